#include "app/config_file_menu.h"

#include <QMenu>

#include "app/app_context.h"
#include "config/config_file.h"
#include "config/config_save.h"
#include "config/protocol_command.h"
#include "config/screens/TFormConfig.h"
#include "tables/screens/TFormIdent.h"

namespace zor06::app {
namespace {

void ShowIdentification(const config::ConfigBuffer& buffer, QWidget* parent) {
    tables::ControllerImage image;
    const auto identification = buffer.Part(config::part::kIdentification);
    std::ranges::copy(identification, image.Whole(0).begin());
    screens::TFormIdent view(image, nullptr, parent, buffer.bytes[0] == 1);
    view.exec();
}

bool Save(AppContext& app, const config::ConfigBuffer& buffer) {
    const bytes::ControllerDateTime now = tables::EncodeNow(app.tables.clock.LocalDateTime());
    return config::SaveConfiguration(buffer, app.ConfigDir(), now, app.op);
}

void NewConfigurationFile(AppContext& app) {
    config::ConfigBuffer buffer = config::NewConfiguration();
    bool changed = false;
    // A new configuration is saved even when it was accepted unchanged.
    if (EditConfiguration(app, buffer, config::EditorMode::File, &changed)) {
        Save(app, buffer);
    }
}

void CorrectConfigurationFile(AppContext& app) {
    const auto path = app.window.ChooseFile(config::OpenConfigChoice(app.ConfigDir()), false);
    if (!path) {
        return;
    }
    std::optional<config::ConfigBuffer> buffer = config::ReadConfigFile(*path, app.op);
    if (!buffer) {
        return;
    }
    bool changed = false;
    if (EditConfiguration(app, *buffer, config::EditorMode::File, &changed) && changed) {
        Save(app, *buffer);
    }
}

void SaveControllerConfiguration(AppContext& app) {
    if (ReadConfigurationTables(app)) {
        Save(app, config::ConfigurationOf(app.image));
    }
    app.window.UpdateMenus();
}

}  // namespace

bool ReadConfigurationTables(AppContext& app) {
    bool read = false;
    {
        const dialogue::BusyScope busy(app.op);
        const dialogue::WaitScope wait(app.op, dialogue::WaitMode::ReadTables);
        read = tables::ReadAllTables(app.tables);
    }
    if (!read) {
        config::ReportTablesUnread(app.op);
    }
    return read;
}

bool EditConfiguration(AppContext& app, config::ConfigBuffer& buffer, config::EditorMode mode,
                       bool* changed) {
    screens::TFormConfig screen(buffer, mode, app.op, ShowIdentification,
                                app.window.DialogParent());
    const bool accepted = screen.exec() == QDialog::Accepted;
    *changed = accepted && screen.Changed();
    return accepted;
}

bool RestoringConfiguration(AppContext& app, config::ConfigBuffer& buffer) {
    bool changed = false;
    if (!EditConfiguration(app, buffer, config::EditorMode::Device, &changed)) {
        return false;
    }
    if (changed &&
        app.op.ShowMessage(dialogue::MessageKind::Question, "Параметры конфигурации изменены.",
                           "Сохранить их в файле?")) {
        Save(app, buffer);
    }
    return true;
}

void AddConfigFileCommands(AppContext& app, MenuBuilder& menus) {
    QMenu* files =
        menus.AddFileSubmenu(QStringLiteral("Файлы  конфигурации"), QStringLiteral("NConfFiles"));
    menus.AddCommand(files, "NNewConf", QStringLiteral("Создание нового файла конфигурации"),
                     [&app] { NewConfigurationFile(app); });
    menus.AddCommand(files, "NCorrConf",
                     QStringLiteral("Просмотр/Корректировка файла конфигурации"),
                     [&app] { CorrectConfigurationFile(app); });
    menus.AddCommand(menus.FileMenu(), "Nrdcnf",
                     QStringLiteral("Сохранение параметров конфигурации в файле"),
                     [&app] { SaveControllerConfiguration(app); });
}

}  // namespace zor06::app
