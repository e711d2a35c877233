// The call-duration panel: its start, its ticking on the clock, its button and its end.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "link/screens/TFormCallTime.h"
#include "tests/link/screens/screen_checks.h"
#include "tests/support/fake_clock.h"

namespace zor06::test {

class TestCallTime : public QObject {
    Q_OBJECT
private slots:
    void ShowsTheTimeSinceTheCallCameUp() {
        QWidget window;
        FakeClock clock;
        clock.Advance(std::chrono::hours(5));  // the call's start, not the clock's, counts
        screens::TFormCallTime panel(&window, clock);
        window.show();
        QVERIFY(!panel.isVisible());
        QVERIFY(UnnamedControls(panel).isEmpty());

        panel.Start();
        QVERIFY(panel.isVisible());
        QVERIFY(panel.Running());
        QCOMPARE(panel.timeLabel()->text(), QString("00:00:00"));
        clock.Advance(std::chrono::seconds(3600 + 2 * 60 + 5));
        panel.TimerCallTimer();
        QCOMPARE(panel.timeLabel()->text(), QString("01:02:05"));

        QSignalSpy hangUp(&panel, &screens::TFormCallTime::hangUpRequested);
        QCOMPARE(panel.hangUpButton()->text(), QString("Отключить связь"));
        panel.hangUpButton()->click();
        QCOMPARE(hangUp.count(), 1);

        panel.Stop();
        QVERIFY(!panel.isVisible());
        QVERIFY(!panel.Running());
    }
};

}  // namespace zor06::test

QTEST_MAIN(zor06::test::TestCallTime)
#include "tst_TFormCallTime.moc"
