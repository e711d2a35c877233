#include "app/protocol_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
#include "app/config_file_menu.h"
#include "config/config_save.h"
#include "config/protocol_command.h"
#include "config/screens/TFormConf_Protocol.h"

namespace zor06::app {
namespace {

namespace fs = std::filesystem;
using screens::TFormMain;

constexpr const char* kProtocolPattern = "*.prc";

void ShowProtocol(TFormMain& w, const config::ProtocolRecord& record, const fs::path& path) {
    screens::TFormConf_Protocol screen(record, path.filename().string(), w.Operator(), &w);
    screen.exec();
}

void CreateProtocol(TFormMain& w) {
    if (ReadConfigurationTables(w)) {
        SavePresentProtocol(w);
    }
}

void OpenProtocol(TFormMain& w) {
    const auto path = w.ChooseFile(
        {"Выберите файл с протоколом конфигурации", w.ConfigDir(), kProtocolPattern, {}}, false);
    if (!path) {
        return;
    }
    if (const auto record = config::ReadProtocolFile(*path, w.Operator())) {
        ShowProtocol(w, *record, *path);
    }
}

}  // namespace

void SavePresentProtocol(TFormMain& w) {
    const config::ProtocolRecord record =
        config::BuildPresentProtocol(w.Tables(), w.Tables().clock.LocalDateTime());
    const dialogue::FileChoice choice{"Выбор файла для записи протокола конфигурации",
                                      w.ConfigDir(), kProtocolPattern,
                                      config::ProposedProtocolPath(record, w.WorkDir())};
    const auto target = files::ChooseSaveTarget(choice, ".prc", w.Operator());
    if (target && config::WriteProtocolFile(*target, record, w.Operator())) {
        ShowProtocol(w, record, *target);
    }
}

void AddProtocolCommands(TFormMain& w) {
    QMenu* menu =
        w.AddFileSubmenu(QStringLiteral("Протокол кофигурации"), QStringLiteral("NProt_Conf"));
    w.AddCommand(menu, QStringLiteral("NProt_Conf_Create"), QStringLiteral("Создание протокола"),
                 [&w] { CreateProtocol(w); });
    w.AddCommand(menu, QStringLiteral("NProt_Conf_View"),
                 QStringLiteral("Просмотр/Печать протокола"), [&w] { OpenProtocol(w); });
}

}  // namespace zor06::app
