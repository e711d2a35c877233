// The main window: owns the link object, the controller image and the settings for the whole run,
// runs the connection start-up, shows the commands the state allows and carries the status bar.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/QtOperator.h"
#include "app/app_context.h"
#include "config/config_save.h"
#include "config/table_state.h"
#include "link/hgcbox.h"
#include "platform/temporary_files.h"
#include "settings/settings_store.h"
#include "settings/settings_types.h"
#include "tables/connection_startup.h"
#include "tables/controller_image.h"
#include "tables/table_service.h"

class QLabel;

namespace zor06::app {
class WindowStartupSteps;
}

namespace zor06::screens {

class TFormCallTime;
class TFormExchangeMonitor;
class TFormWait;

class TFormMain : public QMainWindow,
                  public app::WindowServices,
                  public app::MenuBuilder,
                  private link::LinkListener {
    Q_OBJECT
public:
    explicit TFormMain(std::filesystem::path workDir, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The screens of other subsystems, wired by the program's composition root (and by tests).
    struct Screens {
        std::function<bool(TFormMain&)> connect;  // the connection dialog; true when connected
        std::function<void(TFormMain&)> programUser;
        std::function<void(TFormMain&, int linkKind)> subscriberList;
        std::function<void(TFormMain&)> objectList;
        std::function<std::string(const settings::ProgramSettings&)> describeConnection;
        // The open (`save` false) or save dialog of a file; none when cancelled.
        std::function<std::optional<std::filesystem::path>(TFormMain&, const dialogue::FileChoice&,
                                                           bool save)>
            chooseFile;
        // The restoration of destroyed tables; returns whether the controller counts as
        // identified. Left empty, the start-up goes on with its reads.
        std::function<bool(TFormMain&, tables::TableContext&, config::TableStateResult* outcome)>
            restoreTables;
        // Once the closing window has saved its settings and deleted its work files.
        std::function<void(TFormMain&)> closed;
    } screens;

    link::hgcbox& Link() { return link_; }
    tables::ControllerImage& Image() { return image_; }
    settings::ProgramSettings& Settings() { return settings_; }
    QtOperator& Operator() { return op_; }
    tables::TableContext& Tables() { return tables_; }
    const std::filesystem::path& WorkDir() const { return workDir_; }
    // What the menu groups' commands work on.
    app::AppContext& Context() { return context_; }
    // Where the readings make their work files: a folder of this program's own, so that programs
    // sharing the work directory never read each other's records; removed when the window goes.
    const std::filesystem::path& WorkFolder() const { return workFolder_.Path(); }
    std::filesystem::path IniDir() const;
    bool Identified() const { return state_.identified; }
    // A command is running or a request waits for its reply. The event loop turns inside both
    // (repaints between requests, the link's wait for a reply), so while this holds no menu
    // starts another command and the timers that start commands hold back until it ends.
    bool Busy() const { return requestOnLine_ || commandDepth_ > 0; }
    // Only the request: a command's own screen that polls the controller on a timer waits for
    // this, not for its command to end.
    bool RequestOnLine() const override { return requestOnLine_; }
    // False when the work directory or the work folder could not be made; the window then only
    // reports it and ends.
    bool WorkDirUsable() const { return workDirUsable_; }
    QString StatusPanel(dialogue::Panel panel) const;
    // A menu command by its item name (N...), or null when the window has no such command.
    QAction* MenuItem(const QString& name) const;
    // Whether the command is offered: its item and its top-level menu are visible.
    bool Offered(const QString& name) const;

    // A top-level menu of a subsystem's commands (before "Справочники"); `name` is its N... name.
    // A menu of that name already added is returned as it is.
    QMenu* AddTopMenu(const QString& title, const QString& name) override;
    QMenu* FileMenu() const override { return fileMenu_; }
    // A submenu of "Файл", above "Выход".
    QMenu* AddFileSubmenu(const QString& title, const QString& name) override;
    // A command of a menu, run as every command is: not while another one runs. In "Файл" it
    // goes above "Выход".
    QAction* AddCommand(QMenu* menu, const QString& name, const QString& caption,
                        std::function<void()> command) override;

    QWidget* DialogParent() override { return this; }
    void UpdateMenus() override;
    void UpdateRunMenus() override;
    // Clears the Message panel after its delay, as after every operation that left a text there.
    void StartMessageTimer() override { messageTimer_.start(); }
    // The restoration of destroyed tables from a command: table 7 is read for it, and its outcome
    // decides whether the controller still counts as identified.
    // False when the operator left the table-state screen with "Выход" (or it could not open).
    bool RestoreDestroyedTables() override;
    // The file dialog of the wiring; none when cancelled or when no dialog is wired.
    std::optional<std::filesystem::path> ChooseFile(const dialogue::FileChoice& choice,
                                                    bool save) override;
    // The directory of configuration files and protocols.
    std::filesystem::path ConfigDir() const;
    void DescribeConnection() override;
    // The wait window of a long operation; the main window is disabled meanwhile.
    void ShowWait(dialogue::WaitMode mode);
    void HideWait();

public slots:
    void TimerStartTimer();
    void TimerMessageTimer();
    void NconnectClick();
    void NexitClick();
    void NProgr_WrClick();
    void NIdentParClick();
    void NShortUsPassClick();
    void NAboutClick();
    // "Монитор обмена": one window, brought to the front when already open.
    void NExchangeMonitorClick();
    // "Отключить связь" of the call-duration panel.
    void NHangUpClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class app::WindowStartupSteps;  // hides the menus and dials for the start-up

    // The link's request: the Exchange panel, and repainting while the reply is awaited.
    void StatusText(std::string_view text) override;
    void Idle() override;
    void BuildMenus();
    void BuildStatusBar();
    void KeepStatusPanelsApart();
    void SetStatus(dialogue::Panel panel, const QString& text);
    void HideAllMenus();
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     std::function<void()> command);
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     void (TFormMain::*handler)());
    // Runs a command unless another one is running.
    void RunCommand(const std::function<void()>& command);
    void PlaceOnScreen();
    // Shows what went wrong while preparing the work directory and reading the settings; false
    // when the program cannot go on.
    bool ReportStartProblems();
    void EndWithoutWorkDir();
    // Closes the window now, or as soon as the running command has ended.
    void CloseWhenIdle();
    // Whether to close after a command: the program's own close held back, or the operator's
    // close asked once more.
    bool CloseRequested();
    // The connection start-up, after the problems met while the window was made.
    void StartUp();
    bool FirmwareWriterPresent() const;
    // The dial step of the telephone link: the current subscriber through the modem; on success
    // the call-duration panel comes up.
    bool DialCurrentSubscriber();
    void BuildCallPanel();
    void PlaceCallPanel();

    std::filesystem::path workDir_;
    platform::TemporaryFolder workFolder_;
    bool workDirUsable_ = false;
    std::vector<settings::FileProblem> startProblems_;  // shown once the window is up
    bool requestOnLine_ = false;
    int commandDepth_ = 0;
    bool closeWhenIdle_ = false;  // the program's own close, held until the command ends
    bool closeAsked_ = false;     // the operator's close during a command: asked again after it
    tables::ControllerImage image_;
    link::hgcbox link_;
    QtOperator op_;
    tables::TableContext tables_;
    settings::ProgramSettings settings_;
    tables::ConnectionState state_;
    app::AppContext context_;
    QTimer startTimer_;
    QTimer messageTimer_;
    std::array<QLabel*, 4> panels_{};
    QList<QMenu*> topMenus_;
    QMenu* fileMenu_ = nullptr;
    QAction* exit_ = nullptr;
    QPointer<TFormWait> wait_;
    QPointer<QWidget> waitingDialog_;  // disabled under the wait window with this one
    TFormCallTime* callPanel_ = nullptr;
    QPointer<TFormExchangeMonitor> exchangeMonitor_;
};

}  // namespace zor06::screens
