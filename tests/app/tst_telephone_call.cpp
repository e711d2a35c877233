// The main window on the telephone link: the start-up dials through the simulator's modem, the
// call-duration panel comes up, and "Отключить связь" hangs up and disconnects.
#include <QPushButton>
#include <QtTest>

#include "link/screens/TFormCallTime.h"
#include "tests/app/main_harness.h"

namespace zor06::test {

class TestTelephoneCall : public QObject {
    Q_OBJECT
private slots:
    void aCallIsTimedAndHungUpByItsButton() {
        Harness h({});
        SimProcess modem(ZOR06_SIM_PATH, {"--pty", "--modem"});
        QVERIFY2(modem.Started(), modem.Error().c_str());
        h.window->Settings().link.linkKind = 1;
        h.window->Settings().phones.entries = {{"ГРС Лесная", 1, 1, "8 (012) 345-67-89"}};
        h.window->screens.connect = [&](TFormMain& w) {
            w.Link().linkKind = link::LinkKind::Telephone;
            w.Link().portName = modem.PtyPath();
            w.Link().baud = 9600;
            w.Link().address = 1;
            w.Link().firstByteTimeoutMs = 1000;
            return w.Link().OpenPort();
        };
        QVERIFY(StartUp(h, true));
        QCOMPARE(h.credentialsAsked, 1);
        auto* panel = h.window->findChild<screens::TFormCallTime*>("CallPanel");
        QVERIFY(panel != nullptr);
        QVERIFY(!panel->isHidden());  // shown, as far as a window never shown allows
        QVERIFY(panel->Running());

        panel->hangUpButton()->click();
        QVERIFY(panel->isHidden());
        QVERIFY(!h.window->Identified());
        QVERIFY(!h.window->Link().PortOpen());
        QVERIFY(!h.window->Offered("NIdentPar"));
    }

    void aFailedDialOffersToTryAgainAndLeavesTheUnconnectedState() {
        Harness h({});
        SimProcess modem(ZOR06_SIM_PATH, {"--pty", "--modem", "--modem-result", "BUSY"});
        QVERIFY2(modem.Started(), modem.Error().c_str());
        h.window->Settings().phones.entries = {{"ГРС Лесная", 1, 1, "123"}};
        h.window->screens.connect = [&](TFormMain& w) {
            w.Link().linkKind = link::LinkKind::Telephone;
            w.Link().portName = modem.PtyPath();
            return w.Link().OpenPort();
        };
        QVERIFY(StartUp(h, false));
        QVERIFY(h.Has("Номер абонента занят"));
        QVERIFY(h.Has("Повторить попытку соединения?"));
        QVERIFY(h.window->findChild<screens::TFormCallTime*>("CallPanel")->isHidden());
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestTelephoneCall)
#include "tst_telephone_call.moc"
