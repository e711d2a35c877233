// The main window's start-up, menu handlers and closing.
#include <QApplication>
#include <QCloseEvent>
#include <utility>

#include "app/EscFilter.h"
#include "app/TFormAbout.h"
#include "app/TFormMain.h"
#include "app/window_startup_steps.h"
#include "app/work_dir_files.h"
#include "link/link_kind.h"
#include "link/screens/TFormExchangeMonitor.h"
#include "platform/process.h"
#include "settings/settings_store.h"
#include "tables/identification.h"
#include "tables/screens/TFormIdent.h"
#include "tables/table_numbers.h"

namespace zor06::screens {
namespace {

constexpr const char* kFirmwareWriter = "hex_write";
constexpr int kExitNoWorkDir = 1;
constexpr const char* kCloseHeldBack = "Выход из программы был отложен до окончания команды.";
constexpr const char* kCloseQuestion = "Завершить работу программы?";

}  // namespace

void TFormMain::showEvent(QShowEvent* event) {
    // FormActivate: the Esc hook, once.
    if (findChild<EscFilter*>() == nullptr) {
        qApp->installEventFilter(new EscFilter(op_, this));
    }
    QMainWindow::showEvent(event);
    KeepStatusPanelsApart();
}

bool TFormMain::ReportStartProblems() {
    for (const settings::FileProblem& problem : startProblems_) {
        op_.ShowMessage(dialogue::MessageKind::Error, problem.text, problem.reason);
    }
    startProblems_.clear();
    return workDirUsable_;
}

void TFormMain::EndWithoutWorkDir() {
    CloseWhenIdle();
    QCoreApplication::exit(kExitNoWorkDir);
}

void TFormMain::CloseWhenIdle() {
    if (Busy()) {
        closeWhenIdle_ = true;
    } else {
        close();
    }
}

bool TFormMain::CloseRequested() {
    const bool asked = std::exchange(closeAsked_, false);
    if (std::exchange(closeWhenIdle_, false)) {
        return true;
    }
    return asked &&
           op_.ShowMessage(dialogue::MessageKind::Question, kCloseHeldBack, kCloseQuestion);
}

void TFormMain::TimerStartTimer() {
    if (Busy()) {
        startTimer_.start();  // held until the running command has ended
        return;
    }
    startTimer_.stop();
    RunCommand([this] { StartUp(); });
}

void TFormMain::StartUp() {
    if (!ReportStartProblems()) {
        EndWithoutWorkDir();
        return;
    }
    app::WindowStartupSteps steps(*this);
    tables::StartConnection(tables_, state_, steps);
    // The dialog may have chosen another link; unconnected, panels 0 and 1 stay clear.
    if (state_.identified) {
        DescribeConnection();
    }
}

bool TFormMain::RestoreDestroyedTables() {
    if (!screens.restoreTables || !tables::ReadTable(tables_, tables::kStateTable)) {
        return false;
    }
    config::TableStateResult outcome = config::TableStateResult::Exit;
    state_.identified = screens.restoreTables(*this, tables_, &outcome);
    if (!state_.identified) {
        tables::Disconnect(tables_, state_);
    }
    UpdateMenus();
    return outcome != config::TableStateResult::Exit;
}

bool TFormMain::FirmwareWriterPresent() const {
    return platform::FindProgram(kFirmwareWriter, workDir_).has_value();
}

void TFormMain::TimerMessageTimer() {
    messageTimer_.stop();
    SetStatus(dialogue::Panel::Message, {});
}

void TFormMain::NconnectClick() {
    startTimer_.start();
}

void TFormMain::NexitClick() {
    CloseWhenIdle();
}

void TFormMain::NProgr_WrClick() {
    link_.ClosePort();
    std::string error;
    const auto program = platform::FindProgram(kFirmwareWriter, workDir_);
    if (!program || !platform::RunAndWait(*program, kFirmwareWriter, {}, &error)) {
        op_.ShowMessage(dialogue::MessageKind::Info, "Сбой в работе", "программы hex_write.exe");
    }
    UpdateMenus();
}

void TFormMain::NIdentParClick() {
    const auto identification = tables::ReadIdentification(tables_);
    if (!identification) {
        return;
    }
    TFormIdent screen(image_, identification->Checksum(), this);
    screen.exec();
}

void TFormMain::NShortUsPassClick() {
    if (screens.programUser) {
        screens.programUser(*this);
    }
}

void TFormMain::NAboutClick() {
    TFormAbout about(this);
    about.exec();
}

void TFormMain::NExchangeMonitorClick() {
    if (!exchangeMonitor_) {
        exchangeMonitor_ = new TFormExchangeMonitor(link_, op_, this);
        // Closed, it stops recording and lets its ring go.
        exchangeMonitor_->setAttribute(Qt::WA_DeleteOnClose);
    }
    exchangeMonitor_->show();
    exchangeMonitor_->raise();
    exchangeMonitor_->activateWindow();
}

void TFormMain::closeEvent(QCloseEvent* event) {
    if (Busy()) {
        // Disconnecting now would pull the line from under the running command, and closing
        // when it ends, long after, would surprise: the operator is asked again then.
        closeAsked_ = true;
        event->ignore();
        return;
    }
    dialogue::BusyScope busy(op_);
    tables::Disconnect(tables_, state_);
    if (!workDirUsable_) {
        event->accept();  // nowhere to save to: that was said at the start
        return;
    }
    settings::SaveArchiveChoices(settings_, IniDir(), op_);
    const QRect g = geometry();
    settings_.link.window = {g.width(), g.height(), g.left(), g.top()};
    settings::SaveLinkSettings(settings_, IniDir(), op_);
    for (const char* name : app::kWorkFiles) {
        std::error_code ignored;
        std::filesystem::remove(WorkFolder() / name, ignored);
    }
    if (screens.closed) {
        screens.closed(*this);
    }
    event->accept();
}

}  // namespace zor06::screens
