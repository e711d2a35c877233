// What the menu groups' commands work on: the link, the controller image, the operator, the
// settings and the directories, and the few things of the main window they need, behind narrow
// interfaces. The main window owns the context for the whole run.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "dialogue/operator.h"
#include "settings/settings_types.h"
#include "tables/controller_image.h"
#include "tables/table_service.h"

class QAction;
class QMenu;
class QString;
class QWidget;

namespace zor06::link {
class hgcbox;
}

namespace zor06::app {

// The main window as the commands see it while they run.
class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The parent of the commands' screens.
    virtual QWidget* DialogParent() = 0;
    virtual void UpdateMenus() = 0;
    virtual void UpdateRunMenus() = 0;
    // Clears the Message panel after its delay, as after every operation that left a text there.
    virtual void StartMessageTimer() = 0;
    virtual void DescribeConnection() = 0;  // the Connection panel
    // The restoration of destroyed tables from a command; false when the operator left the
    // table-state screen with "Выход" (or it could not open).
    virtual bool RestoreDestroyedTables() = 0;
    // A request waits for its reply: a screen that polls the controller on a timer holds back.
    virtual bool RequestOnLine() const = 0;
    // The open (`save` false) or save dialog of a file; none when cancelled.
    virtual std::optional<std::filesystem::path> ChooseFile(const dialogue::FileChoice& choice,
                                                            bool save) = 0;
};

// Where a menu group puts its commands.
class MenuBuilder {
public:
    virtual ~MenuBuilder() = default;
    // A top-level menu of a subsystem's commands; `name` is its N... name. A menu of that name
    // already added is returned as it is.
    virtual QMenu* AddTopMenu(const QString& title, const QString& name) = 0;
    virtual QMenu* FileMenu() const = 0;
    // A submenu of "Файл", above "Выход".
    virtual QMenu* AddFileSubmenu(const QString& title, const QString& name) = 0;
    // A command of a menu, run as every command is: not while another one runs.
    virtual QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption,
                                std::function<void()> command) = 0;
};

inline std::filesystem::path IniDirOf(const std::filesystem::path& workDir) {
    return workDir / "INI";
}

// The directory of configuration files and protocols.
inline std::filesystem::path ConfigDirOf(const std::filesystem::path& workDir) {
    return workDir / "CONFIG";
}

struct AppContext {
    link::hgcbox& link;
    tables::ControllerImage& image;
    dialogue::Operator& op;
    tables::TableContext& tables;
    settings::ProgramSettings& settings;
    const std::filesystem::path& workDir;
    // Where the readings make their work files (see TFormMain::WorkFolder).
    const std::filesystem::path& workFolder;
    WindowServices& window;

    std::filesystem::path IniDir() const { return IniDirOf(workDir); }
    std::filesystem::path ConfigDir() const { return ConfigDirOf(workDir); }
};

}  // namespace zor06::app
