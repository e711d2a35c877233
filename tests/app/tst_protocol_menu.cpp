// "Протокол кофигурации" on the main window against the simulated controller: a protocol created
// through the save dialog, the question before replacing another file, and a file that is no
// protocol.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/TFormMain.h"
#include "app/file_dialogs.h"
#include "app/protocol_menu.h"
#include "config/screens/TFormConf_Protocol.h"
#include "link/tcp_connect.h"
#include "settings/work_dir.h"
#include "tests/support/sim_process.h"

using zor06::screens::TFormMain;
namespace fs = std::filesystem;

namespace {

// A main window connected to a simulator, the protocol commands in a file menu of its own.
struct Harness {
    Harness() {
        sim = std::make_unique<zor06::test::SimProcess>(
            ZOR06_SIM_PATH, std::vector<std::string>{"--tcp", "127.0.0.1:0"});
        std::string error;
        zor06::settings::PrepareWorkDir(dir.path().toStdString(), &error);
        window = std::make_unique<TFormMain>(dir.path().toStdString());
        window->Settings().link.linkKind = 2;
        window->Operator().messageWindow = [this](zor06::dialogue::MessageKind kind,
                                                  const QString& a, const QString&) {
            shown.push_back({kind, a});
            return answer;
        };
        window->screens.connect = [this](TFormMain& w) {
            zor06::link::EthernetSettings settings;
            settings.record.firstByteTimeoutMs = 1000;
            return zor06::link::TcpConnectTo(w.Link(), settings, 1, "127.0.0.1",
                                             std::to_string(sim->TcpPort()), w.Operator());
        };
        window->screens.programUser = [](TFormMain&) {};
        window->screens.chooseFile = zor06::app::ChooseFileInDialog;
        zor06::app::AddProtocolCommands(window->Context(), *window);
    }
    bool Started() {
        return sim->Started() &&
               QTest::qWaitFor([&] { return window->Offered("Nconnect"); }, 10000) &&
               window->Identified();
    }
    // Found by its name, so that a misnamed item fails here.
    QAction* Item(const char* name) {
        QAction* item = window->MenuItem(QString::fromLatin1(name));
        if (item == nullptr) {
            qFatal("no menu item %s", name);
        }
        return item;
    }
    fs::path ConfigDir() const { return fs::path(dir.path().toStdString()) / "CONFIG"; }

    QTemporaryDir dir;
    std::unique_ptr<zor06::test::SimProcess> sim;
    std::unique_ptr<TFormMain> window;
    std::vector<std::pair<zor06::dialogue::MessageKind, QString>> shown;
    bool answer = false;
};

// Answers the modal windows as they come: file dialogs with the next name of `names` (an empty
// name cancels), the protocol screen by noting its caption and closing it.
class Answerer {
public:
    explicit Answerer(std::vector<QString> names) : names_(std::move(names)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(20);
    }
    QStringList dialogTitles;
    QStringList captions;

private:
    void Answer() {
        // An accepted dialog stays up until its queued accept runs; a busy machine may fire the
        // timer again before that, and the dialog must not be answered twice.
        if (accepting_) {
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialogTitles << dialog->windowTitle();
            const QString name = next_ < names_.size() ? names_[next_++] : QString();
            if (name.isEmpty()) {
                dialog->reject();
            } else {
                // "*": the proposed name as it stands. The name is typed, as an operator would:
                // selectFile depends on the dialog's file list, which loads in the background.
                auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                if (name != QStringLiteral("*") && edit != nullptr) {
                    edit->setText(name);
                }
                accepting_ = true;
                QMetaObject::invokeMethod(
                    dialog,
                    [this, dialog] {
                        accepting_ = false;
                        QMetaObject::invokeMethod(dialog, "accept");
                    },
                    Qt::QueuedConnection);
            }
        } else if (auto* screen = qobject_cast<zor06::screens::TFormConf_Protocol*>(modal)) {
            captions << screen->windowTitle();
            screen->reject();
        }
    }
    std::vector<QString> names_;
    std::size_t next_ = 0;
    bool accepting_ = false;
    QTimer timer_;
};

}  // namespace

class TestProtocolMenu : public QObject {
    Q_OBJECT
private slots:
    void createsUnderTheProposedNameAndShowsIt() {
        Harness h;
        QVERIFY(h.Started());
        Answerer answerer({QStringLiteral("*")});
        h.Item("NProt_Conf_Create")->trigger();
        QCOMPARE(answerer.dialogTitles,
                 QStringList{QStringLiteral("Выбор файла для записи протокола конфигурации")});
        const std::vector<fs::path> files(fs::directory_iterator(h.ConfigDir()), {});
        QCOMPARE(files.size(), std::size_t{1});
        const std::string name = files[0].filename().string();
        QVERIFY2(name.starts_with("zor_06-a001-") && name.ends_with(".prc"), name.c_str());
        QCOMPARE(fs::file_size(files[0]), std::uintmax_t{724});
        QCOMPARE(answerer.captions, QStringList{QString::fromStdString(" Файл: \"" + name + "\"")});
        QVERIFY(h.shown.empty());
    }

    void asksBeforeReplacingAnotherFile() {
        Harness h;
        QVERIFY(h.Started());
        const fs::path other = h.ConfigDir() / "old.prc";
        std::ofstream(other) << "keep";
        // "Нет" to the question shows the dialog again; cancelling there writes nothing.
        Answerer answerer({QString::fromStdString(other.string()), QString()});
        h.Item("NProt_Conf_Create")->trigger();
        QCOMPARE(answerer.dialogTitles.size(), 2);
        QCOMPARE(h.shown.size(), std::size_t{1});
        QCOMPARE(h.shown[0].first, zor06::dialogue::MessageKind::Question);
        QCOMPARE(h.shown[0].second, QStringLiteral("Файл old.prc уже есть."));
        QCOMPARE(fs::file_size(other), std::uintmax_t{4});
        QVERIFY(answerer.captions.isEmpty());
    }

    void refusesAFileThatIsNoProtocol() {
        Harness h;
        const fs::path bad = h.ConfigDir() / "bad.prc";
        std::ofstream(bad) << "PRD";
        Answerer answerer({QString::fromStdString(bad.string())});
        h.Item("NProt_Conf_View")->trigger();
        QCOMPARE(answerer.dialogTitles,
                 QStringList{QStringLiteral("Выберите файл с протоколом конфигурации")});
        QCOMPARE(h.shown.size(), std::size_t{1});
        QCOMPARE(h.shown[0].first, zor06::dialogue::MessageKind::Error);
        QCOMPARE(h.shown[0].second, QStringLiteral("Файл bad.prc не является файлом, содержащим"));
        QVERIFY(answerer.captions.isEmpty());
    }
};

QTEST_MAIN(TestProtocolMenu)
#include "tst_protocol_menu.moc"
