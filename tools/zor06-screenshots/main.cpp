// zor06-screenshots: the desktop program's main screens as PNG files for the documentation,
// rendered against the demonstration controller (scripts/screenshots.sh runs it offscreen).
#include <QApplication>
#include <clocale>
#include <cstdio>

#include "app/TFormMain.h"
#include "app/demo.h"
#include "app/qt_translation.h"
#include "app/screen_wiring.h"
#include "zor06-screenshots/screenshots.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program's name and number format, so that the screens look as the program shows them.
    QApplication::setApplicationName(QStringLiteral("zor06"));
    std::setlocale(LC_NUMERIC, "C");
    zor06::app::InstallQtTranslation(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zor06-screenshots DIR\n");
        return 2;
    }

    zor06::app::Demo demo;
    QString error;
    if (!demo.Start(zor06::app::FindSimulator(QApplication::applicationDirPath()), &error)) {
        std::fprintf(stderr, "zor06-screenshots: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    zor06::screens::TFormMain window(demo.WorkDir());
    zor06::app::WireScreens(window);
    window.setWindowTitle(demo.Caption(window.windowTitle()));
    zor06::app::CaptureScreens(window, QString::fromLocal8Bit(argv[1]));
    window.show();
    return app.exec();
}
