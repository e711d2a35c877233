// zor06: the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <clocale>
#include <cstdio>
#include <memory>

#include "app/TFormMain.h"
#include "app/demo.h"
#include "app/qt_translation.h"
#include "app/screen_wiring.h"
#include "platform/quit_signals.h"
#include "tables/screens/TFormMessage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zor06"));
    // Qt takes the user's locale for everything; numbers in the views, printouts and files keep
    // the decimal point whatever the locale, as every number formatted without printf does.
    std::setlocale(LC_NUMERIC, "C");
    // Without Debian's Qt translations the file and print dialogs stay in English.
    zor06::app::InstallQtTranslation(app);

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
    parser.addOption(demoOption);
    parser.addOption(workDirOption);
    parser.process(app);

    zor06::app::Demo demo;
    // Empty: the default; the main window makes it and says so when it cannot.
    std::filesystem::path workDir = parser.value(workDirOption).toStdString();
    if (parser.isSet(demoOption)) {
        QString error;
        if (!demo.Start(zor06::app::FindSimulator(QApplication::applicationDirPath()), &error)) {
            std::fprintf(stderr, "zor06 --demo: %s\n", error.toLocal8Bit().constData());
            zor06::screens::TFormMessage::Ask(
                zor06::dialogue::MessageKind::Error,
                QStringLiteral("Не удалось запустить демонстрационный контроллер"), error, nullptr);
            return 1;
        }
        workDir = demo.WorkDir();
    }

    zor06::screens::TFormMain window(workDir);
    zor06::app::WireScreens(window);
    if (parser.isSet(demoOption)) {
        window.setWindowTitle(demo.Caption(window.windowTitle()));
        window.screens.closed = [&demo](zor06::screens::TFormMain& w) {
            demo.AskAboutSavedFiles(w.Operator());
        };
    }
    // A session that ends (logout, kill) quits through the event loop, so the demo's simulator is
    // stopped and its temporary work directory removed (kept when it holds saved files).
    const int quitSignals = zor06::platform::WatchQuitSignals();
    std::unique_ptr<QSocketNotifier> quitNotifier;
    if (quitSignals >= 0) {
        quitNotifier = std::make_unique<QSocketNotifier>(quitSignals, QSocketNotifier::Read);
        QObject::connect(quitNotifier.get(), &QSocketNotifier::activated, &app,
                         &QApplication::quit);
    }
    window.show();
    return app.exec();
}
