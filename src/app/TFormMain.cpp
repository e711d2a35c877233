#include "app/TFormMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "app/TFormWait.h"
#include "app/window_geometry.h"
#include "gasdata/chr_momentary.h"
#include "gasdata/screens/TFormMean.h"
#include "link/screens/TFormExchangeMonitor.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "tables/menu_plan.h"

namespace zor06::screens {
namespace {

constexpr int kStartDelayMs = 100;
constexpr int kMessageMs = 3000;
constexpr char kNoWorkFolder[] = "Не удалось создать папку для рабочих файлов: ";
constexpr char kCannotGoOn[] = "Программа завершает работу: настройки и данные сохранить негде";

settings::ScreenSize PrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? settings::ScreenSize{screen->size().width(), screen->size().height()}
                  : settings::ScreenSize{1280, 1024};
}

}  // namespace

void TFormMain::StatusText(std::string_view text) {
    // The Exchange panel carries "Обмен..." exactly while a request is on the line.
    requestOnLine_ = !text.empty();
    SetStatus(dialogue::Panel::Exchange,
              QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// The window repaints while a request waits for its reply; input waits, and the menus and timers
// check Busy(), so that no other command can start in the middle of a request.
void TFormMain::Idle() {
    requestOnLine_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TFormMain::TFormMain(std::filesystem::path workDir, QWidget* parent)
    : QMainWindow(parent),
      workDir_(std::move(workDir)),
      // The main window removes the files at close, and a quit signal ends the program through
      // the event loop and so through the destructor: no file needs removing from a signal.
      workFolder_("zor06", {}),
      op_(this),
      tables_{link_, image_, op_},
      context_{link_, image_, op_, tables_, settings_, workDir_, workFolder_.Path(), *this} {
    setWindowTitle(QStringLiteral("Программа обслуживания контроллера  ЗОР_06"));
    QLocale::setDefault(QLocale::c());  // the point as decimal separator
    link_.SetListener(this);
    op_.onStatus = [this](dialogue::Panel panel, const QString& text) { SetStatus(panel, text); };
    op_.onChooseFile = [this](const dialogue::FileChoice& choice, dialogue::FileDialog dialog) {
        return ChooseFile(choice, dialog == dialogue::FileDialog::Save);
    };
    op_.onWait = [this](std::optional<dialogue::WaitMode> mode) {
        if (mode) {
            ShowWait(*mode);
        } else {
            HideWait();
        }
    };
    op_.onProgress = [this](int position, int maximum) {
        if (wait_) {
            wait_->SetProgress(position, maximum);
        }
    };

    std::string workDirError;
    const auto prepared = settings::PrepareWorkDir(workDir_, &workDirError);
    workDirUsable_ = prepared.has_value();
    if (prepared) {
        workDir_ = *prepared;
    } else {
        startProblems_.push_back({workDirError, kCannotGoOn});
    }
    if (workFolder_.Path().empty()) {
        workDirUsable_ = false;
        startProblems_.push_back({kNoWorkFolder + workFolder_.Failure(), kCannotGoOn});
    }
    for (settings::FileProblem& problem : settings::LoadSettings(
             settings_, IniDir(), PrimaryScreen(), platform::SystemClock().LocalDateTime())) {
        startProblems_.push_back(std::move(problem));
    }
    BuildMenus();
    BuildStatusBar();
    BuildCallPanel();
    HideAllMenus();
    PlaceOnScreen();

    startTimer_.setSingleShot(true);
    startTimer_.setInterval(kStartDelayMs);
    connect(&startTimer_, &QTimer::timeout, this, &TFormMain::TimerStartTimer);
    messageTimer_.setSingleShot(true);
    messageTimer_.setInterval(kMessageMs);
    connect(&messageTimer_, &QTimer::timeout, this, &TFormMain::TimerMessageTimer);
    startTimer_.start();
}

TFormMain::~TFormMain() {
    // The monitor records from link_, which is gone before the child windows are.
    delete exchangeMonitor_;
}

std::filesystem::path TFormMain::IniDir() const {
    return app::IniDirOf(workDir_);
}

QAction* TFormMain::AddItem(QMenu* menu, const QString& name, const QString& caption,
                            std::function<void()> command) {
    auto* action = new QAction(caption, menu);
    action->setObjectName(name);
    // "Выход" stays the last command of "Файл".
    menu->insertAction(menu == fileMenu_ ? exit_ : nullptr, action);
    connect(action, &QAction::triggered, this,
            [this, command = std::move(command)] { RunCommand(command); });
    return action;
}

void TFormMain::RunCommand(const std::function<void()>& command) {
    if (Busy()) {
        return;  // the menus stay inert while a command or a request is under way
    }
    bool closeNow = false;
    {
        struct Running {
            int& depth;
            explicit Running(int& d) : depth(d) { ++depth; }
            ~Running() { --depth; }
            Running(const Running&) = delete;
            Running& operator=(const Running&) = delete;
        } running(commandDepth_);
        command();
        // Asked while the command still counts as running, so that nothing starts meanwhile.
        closeNow = CloseRequested();
    }
    if (closeNow) {
        close();
    }
}

QAction* TFormMain::AddItem(QMenu* menu, const QString& name, const QString& caption,
                            void (TFormMain::*handler)()) {
    return AddItem(menu, name, caption, [this, handler] { (this->*handler)(); });
}

void TFormMain::PlaceOnScreen() {
    std::vector<app::ScreenRect> areas;
    const QList<QScreen*> monitors = QGuiApplication::screens();
    for (const QScreen* screen : monitors) {
        const QRect a = screen->availableGeometry();
        areas.push_back({a.left(), a.top(), a.width(), a.height()});
    }
    if (areas.empty()) {
        const settings::ScreenSize fallback = PrimaryScreen();
        areas.push_back({0, 0, fallback.width, fallback.height});
    }
    const qsizetype primary = monitors.indexOf(QGuiApplication::primaryScreen());
    const settings::WindowGeometry& g = settings_.link.window;
    const app::ScreenRect placed = app::PlaceWindow({g.left, g.top, g.width, g.height}, areas,
                                                    primary < 0 ? 0 : std::size_t(primary));
    setGeometry(placed.left, placed.top, placed.width, placed.height);
}

void TFormMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    exit_ = AddItem(file, "Nexit", QStringLiteral("Выход"), &TFormMain::NexitClick);
    fileMenu_ = file;

    QMenu* connection = menuBar()->addMenu(QStringLiteral("Связь"));
    AddItem(connection, "Nconnect", QStringLiteral("Связь с другим устройством"),
            &TFormMain::NconnectClick);
    AddItem(connection, "NIdentPar", QStringLiteral("Параметры идентификации"),
            &TFormMain::NIdentParClick);
    AddItem(connection, "NProgr_Wr", QStringLiteral("Запись программы контроллера     "),
            &TFormMain::NProgr_WrClick);
    AddItem(connection, "NExchangeMonitor", QStringLiteral("Монитор обмена"),
            &TFormMain::NExchangeMonitorClick);

    QMenu* lists = menuBar()->addMenu(QStringLiteral("Справочники"));
    const auto subscribers = [this](int linkKind) {
        return [this, linkKind] {
            if (screens.subscriberList) {
                screens.subscriberList(*this, linkKind);
            }
        };
    };
    AddItem(lists, "NFonAbonents", QStringLiteral("Абоненты (связь по телефону)"), subscribers(1));
    AddItem(lists, "NEthrAbonents", QStringLiteral("Абоненты (Ethernet-интерфейс)"),
            subscribers(2));
    AddItem(lists, "NObjects", QStringLiteral("Список объектов"), [this] {
        if (screens.objectList) {
            screens.objectList(*this);
        }
    });

    QMenu* version = menuBar()->addMenu(QStringLiteral("Версия"));
    AddItem(version, "NShortUsPass", QStringLiteral("Идентификация пользователя программы"),
            &TFormMain::NShortUsPassClick);
    AddItem(version, "NMean", QString::fromUtf8(gasdata::kLegendCaption), [this] {
        TFormMean legend(gasdata::LegendLines(settings_.report), this);
        legend.exec();
    });
    AddItem(version, "NAbout", QStringLiteral("О программе"), &TFormMain::NAboutClick);
    topMenus_ = {file, connection, lists, version};
}

void TFormMain::BuildStatusBar() {
    // The Message panel takes the width the others leave, and keeps room for a short text.
    constexpr int kMessagePanelMinWidth = 200;
    const std::array<int, 4> widths{380, 200, 0, 50};
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (widths[i] > 0) {
            panels_[i]->setFixedWidth(widths[i]);
        } else {
            panels_[i]->setMinimumWidth(kMessagePanelMinWidth);
        }
        statusBar()->addWidget(panels_[i], widths[i] > 0 ? 0 : 1);
    }
}

void TFormMain::KeepStatusPanelsApart() {
    // Never so narrow that the panels overlap, nor so low that nothing is left between the menus
    // and the status bar. Known once the status bar is shown with its size grip.
    constexpr int kMinWorkHeight = 120;
    setMinimumSize(
        statusBar()->minimumSizeHint().width(),
        menuBar()->sizeHint().height() + statusBar()->sizeHint().height() + kMinWorkHeight);
}

void TFormMain::SetStatus(dialogue::Panel panel, const QString& text) {
    panels_[static_cast<std::size_t>(panel)]->setText(text);
    if (panel == dialogue::Panel::Message && !text.isEmpty()) {
        messageTimer_.start();
    }
}

QString TFormMain::StatusPanel(dialogue::Panel panel) const {
    return panels_[static_cast<std::size_t>(panel)]->text();
}

QAction* TFormMain::MenuItem(const QString& name) const {
    return menuBar()->findChild<QAction*>(name);
}

bool TFormMain::Offered(const QString& name) const {
    const QAction* item = MenuItem(name);
    if (item == nullptr || !item->isVisible()) {
        return false;
    }
    // Offered when every menu on the way to it is shown too.
    for (const QObject* owner = item->parent(); owner != nullptr; owner = owner->parent()) {
        const auto* menu = qobject_cast<const QMenu*>(owner);
        if (menu == nullptr) {
            break;
        }
        if (!menu->menuAction()->isVisible()) {
            return false;
        }
    }
    return true;
}

QMenu* TFormMain::AddTopMenu(const QString& title, const QString& name) {
    for (QMenu* existing : topMenus_) {
        if (existing->menuAction()->objectName() == name) {
            return existing;  // several subsystems add to "Данные"
        }
    }
    // The subsystems' menus go before "Справочники", in the order they are added.
    QMenu* before = topMenus_.size() >= 2 ? topMenus_[topMenus_.size() - 2] : nullptr;
    auto* menu = new QMenu(title, menuBar());
    menu->menuAction()->setObjectName(name);
    menuBar()->insertMenu(before != nullptr ? before->menuAction() : nullptr, menu);
    topMenus_.insert(topMenus_.size() - 2, menu);
    menu->menuAction()->setVisible(false);
    return menu;
}

QMenu* TFormMain::AddFileSubmenu(const QString& title, const QString& name) {
    auto* menu = new QMenu(title, fileMenu_);
    menu->menuAction()->setObjectName(name);
    fileMenu_->insertMenu(exit_, menu);
    return menu;
}

std::optional<std::filesystem::path> TFormMain::ChooseFile(const dialogue::FileChoice& choice,
                                                           bool save) {
    if (!screens.chooseFile) {
        return std::nullopt;
    }
    return screens.chooseFile(*this, choice, save);
}

std::filesystem::path TFormMain::ConfigDir() const {
    return app::ConfigDirOf(workDir_);
}

QAction* TFormMain::AddCommand(QMenu* menu, const QString& name, const QString& caption,
                               std::function<void()> command) {
    return AddItem(menu, name, caption, std::move(command));
}

void TFormMain::HideAllMenus() {
    for (QMenu* menu : topMenus_) {
        menu->menuAction()->setVisible(false);
    }
}

namespace {

// Shows each item the plan does not hide, down through the submenus; true when anything of the
// menu is shown.
bool ApplyPlan(QMenu* menu, const tables::MenuPlan& plan) {
    bool anyVisible = false;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            continue;
        }
        bool visible = plan.hidden.count(item->objectName().toStdString()) == 0;
        if (item->menu() != nullptr) {
            visible = ApplyPlan(item->menu(), plan) && visible;
        }
        item->setVisible(visible);
        anyVisible = anyVisible || visible;
    }
    return anyVisible;
}

}  // namespace

void TFormMain::UpdateMenus() {
    const tables::MenuPlan plan =
        tables::PlanMenus(state_.identified, image_, !state_.identified && FirmwareWriterPresent());
    for (QMenu* menu : topMenus_) {
        const bool shown = ApplyPlan(menu, plan) &&
                           plan.hidden.count(menu->menuAction()->objectName().toStdString()) == 0;
        menu->menuAction()->setVisible(shown);
    }
    if (state_.identified) {
        UpdateRunMenus();
    } else {
        SetStatus(dialogue::Panel::Connection, {});
        SetStatus(dialogue::Panel::Controller, {});
    }
}

void TFormMain::UpdateRunMenus() {
    const tables::MenuPlan plan = tables::PlanMenus(true, image_, false);
    // Run items carry the property "run" (1 or 2); the run menus come with the data commands.
    for (QAction* item : menuBar()->findChildren<QAction*>()) {
        const int run = item->property("run").toInt();
        if (run == 1 || run == 2) {
            item->setText(
                QString::fromStdString(plan.runCaptions[static_cast<std::size_t>(run - 1)]));
            item->setVisible(plan.runVisible[static_cast<std::size_t>(run - 1)]);
        }
    }
}

void TFormMain::DescribeConnection() {
    if (screens.describeConnection) {
        SetStatus(dialogue::Panel::Connection,
                  QString::fromStdString(screens.describeConnection(settings_)));
    }
}

void TFormMain::ShowWait(dialogue::WaitMode mode) {
    HideWait();
    wait_ = new TFormWait(mode, this);
    wait_->setAttribute(Qt::WA_DeleteOnClose);
    setEnabled(false);
    // A window the operation started from (a data view exporting) waits disabled as well.
    waitingDialog_ = QApplication::activeModalWidget();
    if (waitingDialog_ == this) {
        waitingDialog_ = nullptr;
    }
    if (waitingDialog_) {
        waitingDialog_->setEnabled(false);
    }
    wait_->setEnabled(true);
    // A long reading is when the exchange monitor is watched most: it stays usable.
    if (exchangeMonitor_) {
        exchangeMonitor_->setEnabled(true);
    }
    wait_->show();
}

void TFormMain::HideWait() {
    if (wait_) {
        wait_->Finish();
    }
    if (waitingDialog_) {
        waitingDialog_->setEnabled(true);
        waitingDialog_ = nullptr;
    }
    setEnabled(true);
    raise();
    activateWindow();
}

}  // namespace zor06::screens
