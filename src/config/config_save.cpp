#include "config/config_save.h"

#include "config/config_file.h"
#include "text/text_format.h"

namespace zor06::config {

FileChoice OpenConfigChoice(const std::filesystem::path& configDir) {
    return {kOpenConfigTitle, configDir, kConfigPattern, {}};
}

bool SaveConfiguration(const ConfigBuffer& buffer, const std::filesystem::path& configDir,
                       const tables::ControllerDateTime& now, const ChooseFile& choose,
                       link::Operator& op) {
    const std::filesystem::path proposed = configDir / ProposedConfigName(buffer, now);
    const FileChoice choice{kSaveConfigTitle, configDir, kConfigPattern, proposed};
    for (;;) {
        const std::optional<std::filesystem::path> chosen = choose(choice);
        if (!chosen) {
            return false;
        }
        const SaveTarget target = ResolveSaveName(*chosen, proposed);
        if (target.askOverwrite &&
            !op.ShowMessage(3, text::Printf("Файл %s уже есть.", target.path.filename().c_str()),
                            "Вы хотите заменить существующий файл?")) {
            continue;
        }
        return WriteConfigFile(target.path, buffer, op);
    }
}

std::optional<ConfigBuffer> ReadControllerConfiguration(tables::TableContext& ctx) {
    if (!tables::ReadAllTables(ctx)) {
        ctx.op.ShowMessage(5, "Параметры конфигурации не прочитаны", "");
        return std::nullopt;
    }
    ConfigBuffer buffer = NewConfiguration();
    CopyImageToBuffer(ctx.image, buffer);
    return buffer;
}

}  // namespace zor06::config
