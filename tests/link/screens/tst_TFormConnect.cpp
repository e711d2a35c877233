// The connection dialog: its checks, the subscriber panel and its screens, and connecting to the
// simulated controller over TCP and over a pseudo-terminal.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "link/hgcbox.h"
#include "link/screens/TFormConnect.h"
#include "platform/file_io.h"
#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "settings/settings_store.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/sim_process.h"

namespace zor06::test {

using screens::TFormConnect;
using settings::EthernetEntry;
using settings::PhoneEntry;

// An operator whose event pump really runs the event loop, with a hook for what a person does
// meanwhile.
class PumpingOperator : public RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        QCoreApplication::processEvents();
        if (onPump) {
            onPump(eventPumps);
        }
    }
    std::function<void(int pump)> onPump;
};

// A converter that takes the connection attempt and never completes it.
class NeverAccepting : public platform::SocketFactory {
    class Socket : public platform::TcpSocket {
    public:
        bool Connect(const platform::Ipv4Endpoint&, platform::MonoTime until) override {
            std::this_thread::sleep_until(until);
            return false;
        }
        bool Reconnect(platform::MonoTime) override { return false; }
        void DiscardQueues() override {}
        long Transmit(std::span<const std::uint8_t>) override { return -1; }
        platform::ReceiveResult Receive(std::span<std::uint8_t>, platform::MonoTime) override {
            return {};
        }
    };

public:
    std::unique_ptr<platform::TcpSocket> CreateSocket() override {
        return std::make_unique<Socket>();
    }
};

// The test stands in for the dialog's screens: each counts its calls and does what the test set.
class TestConnect : public QObject, public screens::ConnectScreens {
    Q_OBJECT

public:
    bool EditParameters(QWidget*, link::LinkKind kind) override {
        ++parameterCalls;
        if (!acceptedBaud) {
            return false;
        }
        settings.link.direct.baud = *acceptedBaud;
        return kind == link::LinkKind::Direct;
    }
    bool SearchDevice(QWidget*) override {
        ++searches;
        if (!foundAddress) {
            return false;
        }
        settings.link.direct.address = *foundAddress;
        return true;
    }
    bool EditList(QWidget*, settings::PhoneList&) override { return false; }
    bool EditList(QWidget*, settings::EthernetList& list) override {
        if (!emptiesEthernetList) {
            return false;
        }
        list.entries.clear();
        list.current = 0;
        return true;
    }
    bool NewEntry(QWidget*, PhoneEntry& entry) override {
        ++editorCalls;
        if (!newPhone) {
            return false;
        }
        startedEmpty = entry == PhoneEntry{};
        entry = *newPhone;
        return true;
    }
    bool NewEntry(QWidget*, EthernetEntry&) override {
        ++editorCalls;
        return false;
    }

private:
    // Opens the dialog on the settings as if they had just been read from their files: the
    // lists are written there, since a save carries the dialog's changes into the file's list.
    std::unique_ptr<TFormConnect> Open() {
        settings.linkSaved = settings.link;
        settings.phonesSaved = settings.phones;
        settings.ethernetSaved = settings.ethernet;
        WriteList(settings::kPhoneListFile, settings.phones);
        WriteList(settings::kEthernetListFile, settings.ethernet);
        return std::make_unique<TFormConnect>(settings, iniDir(), link, op, *this);
    }
    template <typename List>
    void WriteList(const char* file, const List& list) {
        if (list.entries.empty()) {
            return;
        }
        settings::IniFile ini = settings::IniFile::FromBytes({});
        for (const settings::IniSection& section : settings::ListSections(list)) {
            ini.WriteSection(section);
        }
        std::string reason;
        QVERIFY2(settings::SaveIniFile(iniDir() / file, ini, &reason), reason.c_str());
        opened[file] = ini.ToBytes();
    }
    std::filesystem::path iniDir() const { return dir->path().toStdString(); }
    // Written by the dialog: there, and not as Open() left it.
    bool Saved(const char* file) const {
        std::string bytes;
        std::string reason;
        const auto found = opened.find(file);
        return platform::ReadWholeFile(iniDir() / file, &bytes, &reason) ==
                   platform::ReadStatus::Read &&
               (found == opened.end() || bytes != found->second);
    }
    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) {
            items << box->itemText(i);
        }
        return items;
    }
    // A request the simulated controller answers: table 0, field 0.
    bool ControllerAnswers() {
        constexpr std::array<std::uint8_t, 3> kField0{0, 0, 1};
        return link.Request(1, kField0);
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::map<std::string, std::string> opened;  // the files Open() wrote, as it wrote them
    settings::ProgramSettings settings;
    link::hgcbox link;
    PumpingOperator op;
    // What the stand-in screens do; none of them reaches a real modal screen.
    std::optional<std::int32_t> acceptedBaud;
    std::optional<std::uint8_t> foundAddress;
    bool emptiesEthernetList = false;
    std::optional<PhoneEntry> newPhone;
    int editorCalls = 0;
    int parameterCalls = 0;
    int searches = 0;
    bool startedEmpty = false;

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        opened.clear();
        settings = {};
        op = {};
        link.Close();
        editorCalls = 0;
        parameterCalls = 0;
        searches = 0;
        startedEmpty = false;
        acceptedBaud.reset();
        foundAddress.reset();
        emptiesEthernetList = false;
        newPhone.reset();
    }

    void theAddressIsCheckedBeforeAnythingIsOpened_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero") << "0"
                              << "Адрес вне допустимого диапазона|(1...255)";
        QTest::newRow("256") << "256"
                             << "Адрес вне допустимого диапазона|(1...255)";
        QTest::newRow("empty") << "" << kIncomplete;
    }
    void theAddressIsCheckedBeforeAnythingIsOpened() {
        QFETCH(QString, address);
        QFETCH(QString, message);
        settings.link.direct.portName = "/dev/zor06-no-such-port";
        auto form = Open();
        form->addressBox()->setEditText(address);
        form->connectButton()->click();
        QCOMPARE(QString::fromStdString(LastMessage(op, zor06::dialogue::MessageKind::InputError)),
                 message);
        QCOMPARE(op.messages.size(), std::size_t{1});
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(!Saved("conn.ini"));
    }

    void aStoredKindOutsideTheListSelectsNothing() {
        settings.link.linkKind = 7;
        auto form = Open();
        QCOMPARE(form->kindBox()->currentIndex(), -1);
        QVERIFY(form->subscriberPanel()->isHidden());
        form->connectButton()->click();
        QCOMPARE(LastMessage(op, zor06::dialogue::MessageKind::InputError),
                 std::string(kIncomplete));
    }

    void theAddressFieldTakesDigitsOnly() {
        auto form = Open();
        form->addressBox()->lineEdit()->clear();
        QTest::keyClicks(form->addressBox()->lineEdit(), "2x-5");
        QCOMPARE(form->addressBox()->currentText(), QString("25"));
        // Typed as a person types: into the list box, which hands the keys to its edit.
        form->addressBox()->lineEdit()->clear();
        QTest::keyClicks(form->addressBox(), "5x7");
        QCOMPARE(form->addressBox()->currentText(), QString("57"));
    }

    void tabFollowsTheFieldsThenTheButtons() {
        settings.link.linkKind = 2;
        settings.ethernet.entries = {{"Узел", 4, 0x7F000001, 5000}};
        auto form = Open();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->kindBox()->setFocus();
        // "Поиск параметров связи" serves the direct line only and is passed over.
        const std::vector<QWidget*> expected{form->addressBox(),       form->subscriberBox(),
                                             form->listButton(),       form->connectButton(),
                                             form->parametersButton(), form->exitButton(),
                                             form->kindBox()};
        QCOMPARE(TabWalk(7), expected);
        QCOMPARE(UnnamedControls(*form), QStringList());
    }

    void enterAfterTheSearchConnects() {
        settings.link.closePort = true;  // "Связаться" then opens no port
        auto form = Open();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->searchButton()->setFocus();
        QTest::keyClick(form->searchButton(), Qt::Key_Space);
        QCOMPARE(searches, 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(searches, 1);
        QCOMPARE(form->result(), int(QDialog::Accepted));
    }

    void escStopsTheConnectAndKeepsTheDialog() {
        settings.link.linkKind = 2;
        settings.link.ethernet.connectWaitS = 30;
        settings.ethernet.entries = {{"Узел", 4, 0x7F000001, 5000}};
        NeverAccepting sockets;
        auto form = Open();
        form->connection.sockets = &sockets;
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        op.onPump = [&form](int pump) {
            if (pump == 3) {
                QTest::keyClick(form.get(), Qt::Key_Escape);
            }
        };
        QElapsedTimer timer;
        timer.start();
        form->connectButton()->click();
        QVERIFY(timer.elapsed() < 10'000);
        QCOMPARE(op.boxes, std::vector<std::string>{"Соединение прервано оператором"});
        QVERIFY(form->isVisible());
        QVERIFY(!link.SocketOpen());
        QVERIFY(form->connectButton()->isEnabled());
    }

    void aPickedSubscriberIsKeptForTheNextRun() {
        settings.link.linkKind = 2;
        settings.ethernet.entries = {{"Узел А", 5, 0xC0A8010A, 4001},
                                     {"Узел Б", 9, 0x0A000001, 502}};
        auto form = Open();
        form->subscriberBox()->setCurrentIndex(1);
        settings::ProgramSettings next;
        (void)settings::LoadSettings(next, iniDir(), {1280, 1024}, 46000.0);
        QCOMPARE(int(next.ethernet.current), 1);
    }

    void theDirectLineShowsItsAddressAndNoSubscribers() {
        settings.link.direct.address = 42;
        settings.link.direct.portName = "/dev/ttyUSB3";
        auto form = Open();
        QCOMPARE(form->kindBox()->currentText(), QString("Непосредственная связь"));
        QVERIFY(form->subscriberPanel()->isHidden());
        QCOMPARE(form->addressBox()->currentText(), QString("42"));
        QVERIFY(form->searchButton()->isEnabled());
        QCOMPARE(op.status[0], std::string("  /dev/ttyUSB3,   9600 бит/с   Адр. 42"));
    }

    void anEmptyTelephoneListLeavesNothingToConnectTo() {
        settings.link.linkKind = 1;
        auto form = Open();
        QVERIFY(!form->subscriberPanel()->isHidden());
        QCOMPARE(Items(form->subscriberBox()), QStringList{"Новый абонент"});
        QCOMPARE(form->subscriberBox()->currentIndex(), -1);
        QVERIFY(!form->connectButton()->isEnabled());
        QVERIFY(!form->parametersButton()->isEnabled());
        QVERIFY(!form->searchButton()->isEnabled());
        QCOMPARE(op.status[0], std::string());
        QCOMPARE(editorCalls, 0);
    }

    void choosingAKindStoresItAndShowsItsSubscriber() {
        settings.ethernet.entries = {{"Узел А", 5, 0xC0A8010A, 4001},
                                     {"Узел Б", 9, 0x0A000001, 502}};
        settings.ethernet.current = 1;
        auto form = Open();
        form->kindBox()->setCurrentIndex(2);
        QCOMPARE(settings.link.linkKind, 2);
        QCOMPARE(Items(form->subscriberBox()), (QStringList{"Узел А", "Узел Б", "Новый абонент"}));
        QCOMPARE(form->subscriberBox()->currentIndex(), 1);
        QCOMPARE(form->addressBox()->currentText(), QString("9"));
        QCOMPARE(op.status[0], std::string(" IP-адрес:порт  10.0.0.1:502,  Адр. 9"));

        form->subscriberBox()->setCurrentIndex(0);
        QCOMPARE(int(settings.ethernet.current), 0);
        QCOMPARE(form->addressBox()->currentText(), QString("5"));
        QVERIFY(form->connectButton()->isEnabled());
        QVERIFY(form->parametersButton()->isEnabled());
        QCOMPARE(op.status[0], std::string(" IP-адрес:порт  192.168.1.10:4001,  Адр. 5"));
    }

    void aNewSubscriberTakesItsSortedPlaceAndIsSaved() {
        settings.link.linkKind = 1;
        settings.phones.entries = {{"Яблоневая", 3, 0, "111"}};
        newPhone = PhoneEntry{"Абрикосовая", 7, 0, "222"};
        auto form = Open();
        form->subscriberBox()->setCurrentIndex(1);  // "Новый абонент"
        QCOMPARE(editorCalls, 1);
        QVERIFY(startedEmpty);
        QCOMPARE(settings.phones.entries.size(), std::size_t{2});
        QCOMPARE(settings.phones.entries[0].name, std::string("Абрикосовая"));
        QCOMPARE(int(settings.phones.current), 0);
        QCOMPARE(form->subscriberBox()->currentIndex(), 0);
        QCOMPARE(form->addressBox()->currentText(), QString("7"));
        QVERIFY(form->connectButton()->isEnabled());
        QVERIFY(Saved("fon_abonents.ini"));
    }

    void aCancelledNewSubscriberReturnsToThePreviousOne() {
        settings.link.linkKind = 2;
        settings.ethernet.entries = {{"Узел", 4, 0x7F000001, 5000}};
        auto form = Open();
        form->subscriberBox()->setCurrentIndex(1);
        QCOMPARE(editorCalls, 1);
        QCOMPARE(form->subscriberBox()->currentIndex(), 0);
        QCOMPARE(settings.ethernet.entries.size(), std::size_t{1});
        QVERIFY(form->connectButton()->isEnabled());
        QVERIFY(!Saved("ethr_abonents.ini"));
    }

    void aFullListOffersNoNewSubscriber() {
        settings.link.linkKind = 1;
        settings.phones.entries.assign(200, PhoneEntry{"Абонент", 1, 0, "1"});
        auto form = Open();
        QCOMPARE(form->subscriberBox()->count(), 200);
    }

    void theSubscriberListIsSavedWhenItsChangesAreTaken() {
        settings.link.linkKind = 2;
        settings.ethernet.entries = {{"Узел", 4, 0x7F000001, 5000}};
        emptiesEthernetList = true;
        auto form = Open();
        form->listButton()->click();
        QCOMPARE(Items(form->subscriberBox()), QStringList{"Новый абонент"});
        QVERIFY(!form->connectButton()->isEnabled());
        QVERIFY(Saved("ethr_abonents.ini"));
    }

    void acceptedParametersAreSavedAndDescribed() {
        acceptedBaud = 19200;
        auto form = Open();
        form->parametersButton()->click();
        QCOMPARE(parameterCalls, 1);
        QVERIFY(Saved("conn.ini"));
        QVERIFY(op.status[0].find("19200 бит/с") != std::string::npos);
    }

    void theSearchResultComesIntoTheAddressField() {
        foundAddress = 23;
        auto form = Open();
        form->searchButton()->click();
        QCOMPARE(form->addressBox()->currentText(), QString("23"));
        QVERIFY(Saved("conn.ini"));
    }

    void anUnavailablePortKeepsTheDialogOpen() {
        settings.link.direct.portName = "/dev/zor06-no-such-port";
        settings.link.portWaitS = 0;
        auto form = Open();
        form->addressBox()->setEditText("17");
        form->connectButton()->click();
        QCOMPARE(LastMessage(op, zor06::dialogue::MessageKind::Error),
                 std::string("Коммуникационный порт /dev/zor06-no-such-port недоступен|"));
        QCOMPARE(form->result(), int(QDialog::Rejected));
        // The typed address was stored before the port was tried.
        QCOMPARE(int(settings.link.direct.address), 17);
        QVERIFY(Saved("conn.ini"));
    }

    void theReleasedPortIsNotOpenedByConnecting() {
        settings.link.direct.portName = "/dev/zor06-no-such-port";
        settings.link.closePort = true;
        auto form = Open();
        form->connectButton()->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(!link.PortOpen());
        QVERIFY(link.closePortAfterExchange);
    }

    void connectsOverTheDirectLine() {
        SimProcess sim(ZOR06_SIM_PATH, {"--pty"});
        QVERIFY2(sim.Started(), sim.Error().c_str());
        settings.link.direct.portName = sim.PtyPath();
        settings.link.direct.firstByteTimeoutMs = 1000;
        auto form = Open();
        form->connectButton()->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(link.PortOpen());
        QCOMPARE(link.linkKind, link::LinkKind::Direct);
        QCOMPARE(link.firstByteTimeoutMs, 1000);
        QVERIFY2(ControllerAnswers(), link.StatusText().c_str());
    }

    void theTelephoneLineHoldsItsPortWhateverTheReleaseFlag() {
        SimProcess sim(ZOR06_SIM_PATH, {"--pty"});
        QVERIFY2(sim.Started(), sim.Error().c_str());
        settings.link.linkKind = 1;
        settings.link.closePort = true;
        settings.link.phone.record.portName = sim.PtyPath();
        settings.phones.entries = {{"Станция", 1, 0, "0441234567"}};
        auto form = Open();
        form->connectButton()->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(link.PortOpen());
        QVERIFY(!link.closePortAfterExchange);
        QCOMPARE(link.linkKind, link::LinkKind::Telephone);
        QCOMPARE(link.firstByteTimeoutMs, 6000);
    }

    void connectsOverEthernet() {
        SimProcess sim(ZOR06_SIM_PATH, {"--tcp", "127.0.0.1:0"});
        QVERIFY2(sim.Started(), sim.Error().c_str());
        settings.link.linkKind = 2;
        settings.link.ethernet.record.firstByteTimeoutMs = 1000;
        settings.ethernet.entries = {{"Стенд", 1, 0x7F000001, sim.TcpPort()}};
        auto form = Open();
        form->connectButton()->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QVERIFY(link.SocketOpen());
        QCOMPARE(link.linkKind, link::LinkKind::Ethernet);
        QCOMPARE(int(settings.link.ethernet.record.address), 1);
        QVERIFY2(ControllerAnswers(), link.StatusText().c_str());
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestConnect)
#include "tst_TFormConnect.moc"
