#include "app/config_file_menu.h"

#include <QMenu>

#include "app/TFormMain.h"
#include "config/config_file.h"
#include "config/config_save.h"
#include "config/protocol_command.h"
#include "config/screens/TFormConfig.h"
#include "tables/screens/TFormIdent.h"

namespace zor06::app {
namespace {

using screens::TFormMain;

void ShowIdentification(const config::ConfigBuffer& buffer, QWidget* parent) {
    tables::ControllerImage image;
    const auto identification = buffer.Part(config::part::kIdentification);
    std::ranges::copy(identification, image.Whole(0).begin());
    screens::TFormIdent view(image, nullptr, parent, buffer.bytes[0] == 1);
    view.exec();
}

bool Save(TFormMain& w, const config::ConfigBuffer& buffer) {
    const bytes::ControllerDateTime now = tables::EncodeNow(w.Tables().clock.LocalDateTime());
    return config::SaveConfiguration(buffer, w.ConfigDir(), now, w.Operator());
}

void NewConfigurationFile(TFormMain& w) {
    config::ConfigBuffer buffer = config::NewConfiguration();
    bool changed = false;
    // A new configuration is saved even when it was accepted unchanged.
    if (EditConfiguration(w, buffer, config::EditorMode::File, &changed)) {
        Save(w, buffer);
    }
}

void CorrectConfigurationFile(TFormMain& w) {
    const auto path = w.ChooseFile(config::OpenConfigChoice(w.ConfigDir()), false);
    if (!path) {
        return;
    }
    std::optional<config::ConfigBuffer> buffer = config::ReadConfigFile(*path, w.Operator());
    if (!buffer) {
        return;
    }
    bool changed = false;
    if (EditConfiguration(w, *buffer, config::EditorMode::File, &changed) && changed) {
        Save(w, *buffer);
    }
}

void SaveControllerConfiguration(TFormMain& w) {
    if (ReadConfigurationTables(w)) {
        Save(w, config::ConfigurationOf(w.Image()));
    }
    w.UpdateMenus();
}

}  // namespace

bool ReadConfigurationTables(TFormMain& w) {
    bool read = false;
    {
        const dialogue::BusyScope busy(w.Operator());
        const dialogue::WaitScope wait(w.Operator(), dialogue::WaitMode::ReadTables);
        read = tables::ReadAllTables(w.Tables());
    }
    if (!read) {
        config::ReportTablesUnread(w.Operator());
    }
    return read;
}

bool EditConfiguration(TFormMain& w, config::ConfigBuffer& buffer, config::EditorMode mode,
                       bool* changed) {
    screens::TFormConfig screen(buffer, mode, w.Operator(), ShowIdentification, &w);
    const bool accepted = screen.exec() == QDialog::Accepted;
    *changed = accepted && screen.Changed();
    return accepted;
}

bool RestoringConfiguration(TFormMain& w, config::ConfigBuffer& buffer) {
    bool changed = false;
    if (!EditConfiguration(w, buffer, config::EditorMode::Device, &changed)) {
        return false;
    }
    if (changed &&
        w.Operator().ShowMessage(dialogue::MessageKind::Question,
                                 "Параметры конфигурации изменены.", "Сохранить их в файле?")) {
        Save(w, buffer);
    }
    return true;
}

void AddConfigFileCommands(TFormMain& w) {
    QMenu* files =
        w.AddFileSubmenu(QStringLiteral("Файлы  конфигурации"), QStringLiteral("NConfFiles"));
    w.AddCommand(files, "NNewConf", QStringLiteral("Создание нового файла конфигурации"),
                 [&w] { NewConfigurationFile(w); });
    w.AddCommand(files, "NCorrConf", QStringLiteral("Просмотр/Корректировка файла конфигурации"),
                 [&w] { CorrectConfigurationFile(w); });
    w.AddCommand(w.FileMenu(), "Nrdcnf",
                 QStringLiteral("Сохранение параметров конфигурации в файле"),
                 [&w] { SaveControllerConfiguration(w); });
}

}  // namespace zor06::app
