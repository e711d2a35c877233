// The wait window over the main window: where it opens, that only its operation closes it, and
// that the main window comes back usable then.
#include <QTemporaryDir>
#include <QtTest>

#include "app/TFormMain.h"
#include "app/TFormWait.h"

using zor06::screens::TFormMain;
using zor06::screens::TFormWait;

class TestTFormWait : public QObject {
    Q_OBJECT
private slots:
    void opensCentredOverTheMainWindowAndOnlyItsOperationClosesIt() {
        QTemporaryDir dir;
        TFormMain window(dir.path().toStdString());
        window.screens.connect = [](TFormMain&) { return false; };
        QVERIFY(QTest::qWaitFor([&] { return window.Offered("Nconnect"); }, 5000));
        window.setGeometry(40, 30, 700, 500);  // away from the screen's centre
        window.show();
        window.ShowWait(zor06::dialogue::WaitMode::Reading);
        auto* wait = window.findChild<TFormWait*>();
        QVERIFY(wait != nullptr && wait->isVisible());
        // No title bar: some window managers keep a close button on any title bar.
        QVERIFY(wait->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(
            (wait->frameGeometry().center() - window.frameGeometry().center()).manhattanLength() <=
            2);

        QVERIFY(!wait->close());  // Alt+F4 or the like
        QVERIFY(wait->isVisible());
        QVERIFY(!window.isEnabled());
        window.HideWait();
        QVERIFY(!wait->isVisible());
        QVERIFY(window.isEnabled());
    }
};

QTEST_MAIN(TestTFormWait)
#include "tst_TFormWait.moc"
