#include "config/config_save.h"

#include <system_error>

#include "config/config_file.h"
#include "config/protocol_command.h"
#include "platform/file_io.h"
#include "text/text_format.h"

namespace zor06::config {

dialogue::FileChoice OpenConfigChoice(const std::filesystem::path& configDir) {
    return {kOpenConfigTitle, configDir, kConfigPattern, {}};
}

std::optional<std::filesystem::path> ChooseSaveTarget(const dialogue::FileChoice& choice,
                                                      std::string_view extension,
                                                      dialogue::Operator& op) {
    for (;;) {
        const std::optional<std::filesystem::path> chosen =
            op.ChooseFile(choice, dialogue::FileDialog::Save);
        if (!chosen) {
            return std::nullopt;
        }
        const SaveTarget target = ResolveSaveName(*chosen, choice.proposed, extension);
        if (!target.askOverwrite ||
            op.ShowMessage(dialogue::MessageKind::Question,
                           text::Printf("Файл %s уже есть.", target.path.filename().c_str()),
                           "Вы хотите заменить существующий файл?")) {
            return target.path;
        }
    }
}

bool WriteChosenFile(const std::filesystem::path& target, std::string_view bytes,
                     dialogue::Operator& op, std::string* reason) {
    dialogue::BusyScope busy(op);
    // The folders are made on first use; a failure to make one shows in the write.
    std::error_code ignored;
    std::filesystem::create_directories(target.parent_path(), ignored);
    return platform::WriteFileAtomically(target, bytes, reason);
}

bool SaveConfiguration(const ConfigBuffer& buffer, const std::filesystem::path& configDir,
                       const bytes::ControllerDateTime& now, dialogue::Operator& op) {
    const dialogue::FileChoice choice{kSaveConfigTitle, configDir, kConfigPattern,
                                      configDir / ProposedConfigName(buffer, now)};
    const auto target = ChooseSaveTarget(choice, ".cnf", op);
    return target && WriteConfigFile(*target, buffer, op);
}

ConfigBuffer ConfigurationOf(const tables::ControllerImage& image) {
    ConfigBuffer buffer = NewConfiguration();
    CopyImageToBuffer(image, buffer);
    return buffer;
}

std::optional<ConfigBuffer> ReadControllerConfiguration(tables::TableContext& ctx) {
    if (!tables::ReadAllTables(ctx)) {
        ReportTablesUnread(ctx.op);
        return std::nullopt;
    }
    return ConfigurationOf(ctx.image);
}

}  // namespace zor06::config
