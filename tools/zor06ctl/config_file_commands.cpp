// Configuration files from the command line: the connected controller's configuration saved to
// one.
#include <cstdio>

#include "config/config_file.h"
#include "config/config_save.h"
#include "settings/work_dir.h"
#include "text/text_format.h"
#include "zor06ctl/commands.h"

namespace zor06::ctl {
namespace {

// The file the configuration goes to: the one named (".cnf" added to a name without extension)
// or the proposed name in CONFIG of the work directory.
std::optional<std::filesystem::path> SavePath(Session& s, const config::ConfigBuffer& buffer) {
    if (!s.cl.args.empty()) {
        std::filesystem::path path = s.cl.args[0];
        if (!path.has_extension()) {
            path += ".cnf";
        }
        return path;
    }
    std::string error;
    const auto workDir = settings::PrepareWorkDir(s.cl.link.workDir, &error);
    if (!workDir) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return std::nullopt;
    }
    const auto now = tables::EncodeNow(s.tables.clock.LocalDateTime());
    return *workDir / "CONFIG" / config::ProposedConfigName(buffer, now);
}

}  // namespace

int RunSaveConfig(Session& s) {
    if (s.cl.args.size() > 1) {
        return UsageError("save-config takes at most one file", s.cl.command);
    }
    if (!ConnectLink(s)) {
        return kExitFailed;
    }
    const std::optional<config::ConfigBuffer> buffer =
        config::ReadControllerConfiguration(s.tables);
    if (!buffer) {
        return kExitFailed;
    }
    const auto path = SavePath(s, *buffer);
    if (!path) {
        return kExitFailed;
    }
    std::error_code ec;
    if (!s.cl.args.empty() && std::filesystem::exists(*path, ec) &&
        !s.op.ShowMessage(3, text::Printf("Файл %s уже есть.", path->filename().c_str()),
                          "Вы хотите заменить существующий файл?")) {
        return kExitFailed;
    }
    if (!config::WriteConfigFile(*path, *buffer, s.op)) {
        return kExitFailed;
    }
    std::printf("%s\n", path->string().c_str());
    return kExitOk;
}

}  // namespace zor06::ctl
