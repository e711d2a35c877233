// Where the main window opens for a stored geometry: always wholly on a screen that exists.
#include <QtTest>
#include <vector>

#include "app/window_geometry.h"

using zor06::app::PlaceWindow;
using zor06::app::ScreenRect;

Q_DECLARE_METATYPE(ScreenRect)

namespace {

const ScreenRect kPrimary{0, 0, 1280, 1024};
// A second monitor to the right of the primary, a little lower.
const ScreenRect kRight{1280, 100, 1920, 1080};

}  // namespace

class TestWindowGeometry : public QObject {
    Q_OBJECT
private slots:
    void placesTheStoredWindow_data() {
        QTest::addColumn<ScreenRect>("stored");
        QTest::addColumn<bool>("twoScreens");
        QTest::addColumn<ScreenRect>("placed");
        QTest::newRow("on screen, kept")
            << ScreenRect{40, 50, 900, 700} << false << ScreenRect{40, 50, 900, 700};
        QTest::newRow("far left, moved onto the primary")
            << ScreenRect{-5000, 40, 1200, 944} << false << ScreenRect{0, 40, 1200, 944};
        QTest::newRow("half off the bottom right, moved in")
            << ScreenRect{1000, 900, 600, 400} << false << ScreenRect{680, 624, 600, 400};
        QTest::newRow("larger than the screen, cut to it")
            << ScreenRect{-10, -10, 4000, 3000} << false << ScreenRect{0, 0, 1280, 1024};
        QTest::newRow("negative width, the default")
            << ScreenRect{40, 40, -100, 944} << false << ScreenRect{40, 40, 1200, 944};
        QTest::newRow("too small, the default")
            << ScreenRect{100, 100, 50, 20} << false << ScreenRect{40, 40, 1200, 944};
        QTest::newRow("on a removed monitor, the primary")
            << ScreenRect{2000, 300, 800, 600} << false << ScreenRect{480, 300, 800, 600};
        QTest::newRow("mostly on the second monitor, stays there")
            << ScreenRect{1200, 200, 800, 600} << true << ScreenRect{1280, 200, 800, 600};
        QTest::newRow("broken size on the second monitor, its default")
            << ScreenRect{2000, 300, 0, 0} << true << ScreenRect{1320, 140, 1840, 1000};
        QTest::newRow("sizes whose area overflows an int")
            << ScreenRect{0, 0, 2000000000, 2000000000} << false << ScreenRect{0, 0, 1280, 1024};
    }

    void placesTheStoredWindow() {
        QFETCH(ScreenRect, stored);
        QFETCH(bool, twoScreens);
        QFETCH(ScreenRect, placed);
        std::vector<ScreenRect> screens{kPrimary};
        if (twoScreens) {
            screens.push_back(kRight);
        }
        const ScreenRect got = PlaceWindow(stored, screens, 0);
        QCOMPARE(got.left, placed.left);
        QCOMPARE(got.top, placed.top);
        QCOMPARE(got.width, placed.width);
        QCOMPARE(got.height, placed.height);
    }

    void defaultIsCentredAndEightyPointsSmaller() {
        const ScreenRect got = zor06::app::DefaultWindow({0, 0, 1280, 1024});
        QCOMPARE(got, (ScreenRect{40, 40, 1200, 944}));
        // A screen narrower than the minimum window: the whole screen, never a negative size.
        const ScreenRect tiny = zor06::app::DefaultWindow({10, 20, 200, 100});
        QCOMPARE(tiny, (ScreenRect{10, 20, 200, 100}));
    }
};

QTEST_MAIN(TestWindowGeometry)
#include "tst_window_geometry.moc"
