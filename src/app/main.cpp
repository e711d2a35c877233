// zor06: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <cstdio>

#include "app/TFormMain.h"
#include "app/demo.h"
#include "app/screen_wiring.h"
#include "app/screenshots.h"
#include "settings/work_dir.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zor06"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Программа обслуживания контроллера  ЗОР_06"));
    parser.addHelpOption();
    const QCommandLineOption demoOption(
        QStringLiteral("demo"),
        QStringLiteral("Start the simulated controller and connect to it over Ethernet."));
    const QCommandLineOption workDirOption(
        QStringLiteral("workdir"),
        QStringLiteral("The work directory (default $XDG_DATA_HOME/zor06)."),
        QStringLiteral("DIR"));
    const QCommandLineOption screenshotsOption(
        QStringLiteral("screenshots"),
        QStringLiteral("Save the main screens as PNG files into DIR and quit (use with --demo)."),
        QStringLiteral("DIR"));
    parser.addOption(demoOption);
    parser.addOption(workDirOption);
    parser.addOption(screenshotsOption);
    parser.process(app);

    zor06::app::Demo demo;
    std::filesystem::path workDir;
    if (parser.isSet(demoOption)) {
        QString error;
        if (!demo.Start(zor06::app::FindSimulator(QApplication::applicationDirPath()), &error)) {
            std::fprintf(stderr, "zor06 --demo: %s\n", error.toLocal8Bit().constData());
            return 1;
        }
        workDir = demo.WorkDir();
    } else {
        std::string error;
        const auto prepared =
            zor06::settings::PrepareWorkDir(parser.value(workDirOption).toStdString(), &error);
        if (!prepared) {
            std::fprintf(stderr, "zor06: %s\n", error.c_str());
            return 1;
        }
        workDir = *prepared;
    }

    zor06::screens::TFormMain window(workDir);
    zor06::app::WireScreens(window);
    if (parser.isSet(screenshotsOption)) {
        zor06::app::CaptureScreens(window, parser.value(screenshotsOption));
    }
    window.show();
    return app.exec();
}
