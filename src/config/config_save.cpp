#include "config/config_save.h"

#include "config/config_file.h"
#include "config/protocol_command.h"

namespace zor06::config {

dialogue::FileChoice OpenConfigChoice(const std::filesystem::path& configDir) {
    return {kOpenConfigTitle, configDir, kConfigPattern, {}};
}

bool SaveConfiguration(const ConfigBuffer& buffer, const std::filesystem::path& configDir,
                       const bytes::ControllerDateTime& now, dialogue::Operator& op) {
    const dialogue::FileChoice choice{kSaveConfigTitle, configDir, kConfigPattern,
                                      configDir / ProposedConfigName(buffer, now)};
    const auto target = files::ChooseSaveTarget(choice, ".cnf", op);
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
