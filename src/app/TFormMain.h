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

#include "app/QtOperator.h"
#include "link/hgcbox.h"
#include "settings/settings_types.h"
#include "tables/connection_startup.h"
#include "tables/controller_image.h"
#include "tables/table_service.h"

class QLabel;

namespace zor06::screens {

class TFormWait;

class TFormMain : public QMainWindow {
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
    } screens;

    link::hgcbox& Link() { return link_; }
    tables::ControllerImage& Image() { return image_; }
    settings::ProgramSettings& Settings() { return settings_; }
    QtOperator& Operator() { return op_; }
    tables::TableContext& Tables() { return tables_; }
    const std::filesystem::path& WorkDir() const { return workDir_; }
    std::filesystem::path IniDir() const;
    bool Identified() const { return state_.identified; }
    QString StatusPanel(int panel) const;
    // A menu command by its item name (N...), or null when the window has no such command.
    QAction* MenuItem(const QString& name) const;
    // Whether the command is offered: its item and its top-level menu are visible.
    bool Offered(const QString& name) const;

    void UpdateMenus();
    void UpdateRunMenus();
    void DescribeConnection();
    // The wait window of a long operation; the main window is disabled meanwhile.
    void ShowWait(int mode);
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildMenus();
    void BuildStatusBar();
    void SetStatus(int panel, const QString& text);
    void HideAllMenus();
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption,
                     void (TFormMain::*handler)());
    bool FirmwareWriterPresent() const;
    void StoreAnsweredAddress(int address);

    std::filesystem::path workDir_;
    tables::ControllerImage image_;
    link::hgcbox link_;
    QtOperator op_;
    tables::TableContext tables_;
    settings::ProgramSettings settings_;
    tables::ConnectionState state_;
    QTimer startTimer_;
    QTimer messageTimer_;
    std::array<QLabel*, 4> panels_{};
    QList<QMenu*> topMenus_;
    QPointer<TFormWait> wait_;
};

}  // namespace zor06::screens
