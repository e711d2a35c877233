#include "app/protocol_menu.h"

#include <QMenu>

#include "app/app_context.h"
#include "app/config_file_menu.h"
#include "config/config_save.h"
#include "config/protocol_command.h"
#include "config/screens/TFormConf_Protocol.h"

namespace zor06::app {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProtocolPattern = "*.prc";

void ShowProtocol(AppContext& app, const config::ProtocolRecord& record, const fs::path& path) {
    screens::TFormConf_Protocol screen(record, path.filename().string(), app.op,
                                       app.window.DialogParent());
    screen.exec();
}

void CreateProtocol(AppContext& app) {
    if (ReadConfigurationTables(app)) {
        SavePresentProtocol(app);
    }
}

void OpenProtocol(AppContext& app) {
    const auto path = app.window.ChooseFile(
        {"Выберите файл с протоколом конфигурации", app.ConfigDir(), kProtocolPattern, {}}, false);
    if (!path) {
        return;
    }
    if (const auto record = config::ReadProtocolFile(*path, app.op)) {
        ShowProtocol(app, *record, *path);
    }
}

}  // namespace

void SavePresentProtocol(AppContext& app) {
    const config::ProtocolRecord record =
        config::BuildPresentProtocol(app.tables, app.tables.clock.LocalDateTime());
    const dialogue::FileChoice choice{"Выбор файла для записи протокола конфигурации",
                                      app.ConfigDir(), kProtocolPattern,
                                      config::ProposedProtocolPath(record, app.workDir)};
    const auto target = files::ChooseSaveTarget(choice, ".prc", app.op);
    if (target && config::WriteProtocolFile(*target, record, app.op)) {
        ShowProtocol(app, record, *target);
    }
}

void AddProtocolCommands(AppContext& app, MenuBuilder& menus) {
    QMenu* menu =
        menus.AddFileSubmenu(QStringLiteral("Протокол кофигурации"), QStringLiteral("NProt_Conf"));
    menus.AddCommand(menu, QStringLiteral("NProt_Conf_Create"),
                     QStringLiteral("Создание протокола"), [&app] { CreateProtocol(app); });
    menus.AddCommand(menu, QStringLiteral("NProt_Conf_View"),
                     QStringLiteral("Просмотр/Печать протокола"), [&app] { OpenProtocol(app); });
}

}  // namespace zor06::app
