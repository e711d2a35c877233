// The main window cannot be made so small that its status-bar panels overlap or its panels'
// texts have no room.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "app/TFormMain.h"

using zor06::screens::TFormMain;

class TestMainWindowSize : public QObject {
    Q_OBJECT
private slots:
    void theStatusPanelsNeverOverlap() {
        QTemporaryDir dir;
        TFormMain window(dir.path().toStdString());
        window.screens.connect = [](TFormMain&) { return false; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(1, 1);
        QTest::qWait(50);

        QList<QLabel*> panels;
        for (int i = 0; i < 4; ++i) {
            auto* panel = window.findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
            QVERIFY(panel != nullptr);
            panels << panel;
        }
        std::sort(panels.begin(), panels.end(), [](const QLabel* a, const QLabel* b) {
            return a->geometry().left() < b->geometry().left();
        });
        for (int i = 0; i + 1 < panels.size(); ++i) {
            QVERIFY2(
                panels[i]->geometry().right() < panels[i + 1]->geometry().left(),
                qPrintable(panels[i]->objectName() + " overlaps " + panels[i + 1]->objectName()));
        }
        QVERIFY(panels.back()->geometry().right() < window.statusBar()->width());
        QVERIFY(window.findChild<QLabel*>(QStringLiteral("StatusPanel2"))->width() >= 100);
        QVERIFY(window.menuBar()->height() + window.statusBar()->height() < window.height());
    }
};

QTEST_MAIN(TestMainWindowSize)
#include "tst_main_window_size.moc"
