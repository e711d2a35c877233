// The configuration-file commands of "Файл" against the simulated controller: a controller's
// configuration saved, a new one accepted unchanged, an existing one corrected and saved again.
#include <sys/stat.h>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>

#include "app/TFormWait.h"
#include "app/config_file_menu.h"
#include "config/config_buffer.h"
#include "config/config_file.h"
#include "config/screens/TFormConfig.h"
#include "config/screens/TFormContrName.h"
#include "tests/app/main_harness.h"
#include "tests/support/recording_operator.h"

using zor06::screens::TFormConfig;
using zor06::test::Harness;
using zor06::test::StartUp;
namespace fs = std::filesystem;

namespace {

// Acts on the modal screens in the order they appear: each step waits for a screen of its type.
class ModalScript {
public:
    template <typename Screen>
    void On(std::function<void(Screen&)> act) {
        steps_.push_back(
            {[](QWidget* modal) { return qobject_cast<Screen*>(modal) != nullptr; },
             [act = std::move(act)](QWidget* modal) { act(*qobject_cast<Screen*>(modal)); }});
    }
    ModalScript() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || steps_.empty() || !steps_.front().matches(modal)) {
                return;
            }
            // Taken off first and run outside this timer: the action may open the next screen
            // and wait inside it, and a timer does not fire again inside its own handler.
            QTimer::singleShot(0, modal,
                               [act = std::move(steps_.front().act), modal] { act(modal); });
            steps_.pop_front();
        });
        timer_.start(20);
    }
    bool Done() const { return steps_.empty(); }

private:
    struct Step {
        std::function<bool(QWidget*)> matches;
        std::function<void(QWidget*)> act;
    };
    std::deque<Step> steps_;
    QTimer timer_;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

class TestConfigFiles : public QObject {
    Q_OBJECT
private slots:
    void savesTheControllersConfigurationForItsOwnerOnly() {
        Harness h({});
        zor06::app::AddConfigFileCommands(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        QVERIFY(h.window->Offered("Nrdcnf"));
        fs::path proposed;
        h.window->screens.chooseFile = [&](TFormMain&, const zor06::dialogue::FileChoice& c, bool) {
            proposed = c.proposed;
            return std::optional<fs::path>(c.proposed);
        };
        h.window->MenuItem("Nrdcnf")->trigger();
        QCOMPARE(proposed.parent_path(), h.window->ConfigDir());
        const std::string bytes = ReadBytes(proposed);
        QCOMPARE(bytes.size(), zor06::config::kConfigSize);
        QCOMPARE(static_cast<std::uint8_t>(bytes[0]), std::uint8_t{1});
        // Blank passwords in every flow-computer record, stored transformed.
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(static_cast<std::uint8_t>(bytes[447 + 20 * i]), std::uint8_t{0xE4});
        }
        struct stat st {};
        QCOMPARE(::stat(proposed.c_str(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0600U);
        QVERIFY(h.Has(QStringLiteral("Параметры конфигурации")));
        QVERIFY(h.window->isEnabled());
    }

    void anUnreadConfigurationIsReportedAfterTheWaitWindowCloses() {
        Harness h({});
        zor06::app::AddConfigFileCommands(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        h.sim.reset();                // the controller is gone
        std::vector<bool> waitShown;  // at each message, in turn
        h.window->Operator().messageWindow = [&](zor06::dialogue::MessageKind kind,
                                                 const QString& a, const QString& b) {
            h.shown.push_back({kind, a, b});
            const auto waits = h.window->findChildren<zor06::screens::TFormWait*>();
            waitShown.push_back(std::any_of(waits.begin(), waits.end(),
                                            [](const QWidget* w) { return w->isVisible(); }));
            return false;  // "Нет" to "Повторить попытку?"
        };
        h.window->MenuItem("Nrdcnf")->trigger();
        QCOMPARE(h.shown.size(), std::size_t{2});
        QCOMPARE(h.shown[0].kind, zor06::dialogue::MessageKind::Retry);
        QVERIFY(waitShown[0]);  // the question comes while the tables are being read
        QCOMPARE(h.shown[1].kind, zor06::dialogue::MessageKind::ExchangeResult);
        QCOMPARE(h.shown[1].text1, QStringLiteral("Параметры конфигурации не прочитаны"));
        QVERIFY(!waitShown[1]);
        QVERIFY(h.window->isEnabled());
    }

    void aNewConfigurationAcceptedUnchangedIsSaved() {
        Harness h({});
        zor06::app::AddConfigFileCommands(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        h.window->screens.chooseFile = [&](TFormMain&, const zor06::dialogue::FileChoice&, bool) {
            return std::optional<fs::path>(h.window->ConfigDir() / "new");
        };
        ModalScript script;
        script.On<TFormConfig>([](TFormConfig& s) {
            QVERIFY(!s.RowButton(QStringLiteral("С влагомером"))->isEnabled());
            s.acceptButton()->click();
        });
        h.window->MenuItem("NNewConf")->trigger();
        QVERIFY(script.Done());
        const std::string bytes = ReadBytes(h.window->ConfigDir() / "new.cnf");
        QCOMPARE(bytes.size(), zor06::config::kConfigSize);
        QCOMPARE(static_cast<std::uint8_t>(bytes[2]), std::uint8_t{73});
    }

    void aCorrectedFileIsSavedAfterTheReplaceQuestion() {
        Harness h({});
        zor06::app::AddConfigFileCommands(h.window->Context(), *h.window);
        QVERIFY(StartUp(h, true));
        const fs::path file = h.window->ConfigDir() / "station.cnf";
        zor06::test::RecordingOperator quiet;
        QVERIFY(zor06::config::WriteConfigFile(file, zor06::config::NewConfiguration(), quiet));
        h.window->screens.chooseFile = [&](TFormMain&, const zor06::dialogue::FileChoice&, bool) {
            return std::optional<fs::path>(file);
        };
        h.window->Operator().messageWindow = [](zor06::dialogue::MessageKind kind, const QString&,
                                                const QString&) {
            return kind == zor06::dialogue::MessageKind::Question;  // "Вы хотите заменить
                                                                    // существующий файл?"
        };
        QString caption;
        ModalScript script;
        script.On<TFormConfig>(
            [](TFormConfig& s) { s.RowButton(QStringLiteral("Наименования"))->click(); });
        script.On<zor06::screens::TFormContrName>([](zor06::screens::TFormContrName& s) {
            s.nameEdit(0)->setText(QStringLiteral("GRS-7"));
            s.acceptButton()->click();
        });
        script.On<TFormConfig>([&caption](TFormConfig& s) {
            caption = s.windowTitle();
            s.acceptButton()->click();
        });
        h.window->MenuItem("NCorrConf")->trigger();
        QVERIFY(script.Done());
        QCOMPARE(caption, QStringLiteral("Параметры конфигурации контроллера \"GRS-7\" "));
        QCOMPARE(ReadBytes(file).substr(29, 5), std::string("GRS-7"));
    }
};

QTEST_MAIN(TestConfigFiles)
#include "tst_config_files.moc"
