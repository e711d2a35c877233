#include "zor06-screenshots/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include "app/TFormAbout.h"
#include "app/TFormMain.h"
#include "app/TFormWait.h"
#include "app/connect_screens.h"
#include "config/config_buffer.h"
#include "config/protocol_record.h"
#include "config/screens/TFormConf_Protocol.h"
#include "config/screens/TFormConfig.h"
#include "config/screens/TFormShortUsPass.h"
#include "config/screens/TFormTablState.h"
#include "config/table_state.h"
#include "link/screens/TFormConnParam.h"
#include "link/screens/TFormConnect.h"
#include "link/screens/TFormSearch.h"
#include "settings/screens/TFormAbonents_List.h"
#include "settings/screens/TFormObjects_List.h"
#include "tables/screens/TFormIdent.h"
#include "tables/screens/TFormMessage.h"
#include "zor06-screenshots/data_screenshots.h"

namespace zor06::app {
namespace {

using screens::TFormMain;

void Save(QWidget& widget, const QString& dir, const QString& name) {
    widget.show();
    QCoreApplication::processEvents();
    widget.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

// The screens that need no controller, rendered once the main window is identified.
void CaptureOthers(TFormMain& w, const QString& dir) {
    Save(w, dir, QStringLiteral("main-window"));
    if (tables::ReadFields(w.Tables(), {41, 1, 1})) {
        std::uint32_t checksum = w.Image().U32(41, 1);
        screens::TFormIdent ident(w.Image(), &checksum, &w);
        Save(ident, dir, QStringLiteral("identification"));
    }
    {
        screens::TFormMessage message(dialogue::MessageKind::Retry,
                                      QStringLiteral("Не выполнено чтение из таблицы 6."),
                                      QStringLiteral("Устройство не отвечает"), &w);
        Save(message, dir, QStringLiteral("message-window"));
    }
    {
        screens::TFormWait wait(dialogue::WaitMode::ReadTables, &w);
        wait.SetProgress(7, 22);
        Save(wait, dir, QStringLiteral("wait-window"));
    }
    {
        screens::TFormConnParam params(w.Settings().link, link::LinkKind::Direct, w.Operator(), &w);
        Save(params, dir, QStringLiteral("link-parameters"));
    }
    {
        screens::TFormSearch search(w.Settings().link, w.Link(), w.Operator(), &w);
        Save(search, dir, QStringLiteral("device-search"));
    }
    {
        settings::EthernetList list = w.Settings().ethernet;
        list.entries.push_back(
            {"ГРС Северная", 3, (192u << 24) | (168u << 16) | (1u << 8) | 10u, 4001});
        screens::TFormAbonents_List subscribers(list, w.Operator(), &w);
        Save(subscribers, dir, QStringLiteral("subscriber-list"));
    }
    {
        screens::TFormShortUsPass user(w.Link(), w.Operator(), &w);
        Save(user, dir, QStringLiteral("program-user"));
    }
    {
        config::ConfigBuffer buffer = config::NewConfiguration();
        screens::TFormConfig configuration(buffer, config::EditorMode::File, w.Operator(), {}, &w);
        Save(configuration, dir, QStringLiteral("configuration"));
    }
    if (tables::ReadFields(w.Tables(), {3, 0, tables::Table(3).fieldCount})) {
        const config::ProtocolRecord record =
            config::BuildProtocolRecord(w.Image(), std::nullopt, w.Tables().clock.LocalDateTime());
        screens::TFormConf_Protocol protocol(record, "zor_06-a001-2612091542.prc", w.Operator(),
                                             &w);
        Save(protocol, dir, QStringLiteral("protocol"));
    }
    {
        config::TableStates states = config::BuildTableStates(w.Image());
        states.destroyed[6] = true;
        states.destroyed[18] = true;
        screens::TFormTablState tableStates(states, link::LinkKind::Direct, w.Operator(), &w);
        Save(tableStates, dir, QStringLiteral("table-states"));
    }
    {
        screens::TFormAbout about(&w);
        Save(about, dir, QStringLiteral("about"));
    }
}

}  // namespace

void CaptureScreens(TFormMain& window, const QString& dir) {
    QDir().mkpath(dir);
    window.screens.connect = [dir](TFormMain& w) {
        RealConnectScreens connectScreens(w.Settings(), w.Link(), w.Operator());
        screens::TFormConnect dialog(w.Settings(), w.IniDir(), w.Link(), w.Operator(),
                                     connectScreens, &w);
        Save(dialog, dir, QStringLiteral("connection-dialog"));
        dialog.connectButton()->click();
        return dialog.result() == QDialog::Accepted;
    };
    window.screens.programUser = [](TFormMain&) {};
    // The rest once the start-up has identified the controller (or given up).
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, dir, poll] {
        if (!window.Offered(QStringLiteral("Nexit"))) {
            return;
        }
        poll->stop();
        window.resize(900, 560);
        CaptureOthers(window, dir);
        CaptureDataScreens(
            window, [&dir](QWidget& screen, const QString& name) { Save(screen, dir, name); });
        QApplication::quit();
    });
    poll->start(100);
}

}  // namespace zor06::app
