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
        window.Operator().messageWindow = [](int, const QString&, const QString&) { return false; };
        window.screens.connect = [](TFormMain&) { return false; };
        QVERIFY(QTest::qWaitFor([&] { return window.Offered("Nconnect"); }, 5000));
        // Away from the screen's centre, where a window placed by chance might land.
        window.setGeometry(40, 30, 700, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (const int mode : {1, 3}) {
            window.ShowWait(mode);
            auto* wait = window.findChild<TFormWait*>();
            QVERIFY(wait != nullptr && wait->isVisible());
            // No title bar: some window managers keep a close button on any title bar.
            const Qt::WindowFlags flags = wait->windowFlags();
            QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
            QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QCOMPARE(wait->windowTitle(), QStringLiteral("..."));
            const QPoint offset = wait->frameGeometry().center() - window.frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
            QVERIFY(!window.isEnabled());

            QVERIFY(!wait->close());  // Alt+F4 or the title bar's menu
            QVERIFY(wait->isVisible());
            QVERIFY(!window.isEnabled());

            window.HideWait();
            QVERIFY(!wait->isVisible());
            QVERIFY(window.isEnabled());
            QTRY_VERIFY(window.findChild<TFormWait*>() == nullptr);
        }
    }
};

QTEST_MAIN(TestTFormWait)
#include "tst_TFormWait.moc"
