// Configuration files from the command line: the connected controller's configuration saved to
// one.
#include <cstdio>

#include "config/config_file.h"
#include "config/config_save.h"
#include "tables/controller_date.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/output_files.h"

namespace zor06::ctl {

namespace {

int RunSaveConfig(Session& s) {
    if (s.cl.args.size() > 1) {
        return UsageError("save-config takes at most one file", s.cl.command);
    }
    // The file named (".cnf" added to a name without extension), else the proposed name in CONFIG
    // of the work directory, which takes the controller's name and so is known only after reading.
    const std::filesystem::path named =
        s.cl.args.empty() ? std::filesystem::path() : WithExtension(s.cl.args[0], ".cnf");
    if (!MayWriteFiles(s.cl, {named})) {
        return kExitUsage;
    }
    const auto workDir = named.empty() ? WorkDirectory(s) : std::nullopt;
    if ((named.empty() && !workDir) || !ConnectLink(s)) {
        return kExitFailed;
    }
    const std::optional<config::ConfigBuffer> buffer =
        config::ReadControllerConfiguration(s.tables);
    if (!buffer) {
        return kExitFailed;
    }
    std::filesystem::path path = named;
    if (path.empty()) {
        path =
            *workDir / "CONFIG" /
            config::ProposedConfigName(*buffer, tables::EncodeNow(s.tables.clock.LocalDateTime()));
        if (!MayWriteFiles(s.cl, {path})) {
            return kExitUsage;
        }
    }
    if (!config::WriteConfigFile(path, *buffer, s.op)) {
        return kExitFailed;
    }
    std::printf("%s\n", path.string().c_str());
    return kExitOk;
}

constexpr Synopsis kSaveConfigSynopsis[] = {
    {"save-config [FILE]", "save the configuration to a .cnf file"},
};

}  // namespace

constinit const Command kSaveConfigCommand{
    .name = "save-config",
    .synopsis = kSaveConfigSynopsis,
    .help =
        "zor06ctl [LINK] save-config [FILE] [--yes]\n"
        "  Reads every configuration table and writes them as a configuration file\n"
        "  (readable by its owner only; flow-computer passwords blank, as the controller\n"
        "  never returns them): FILE (\".cnf\" added when it has no extension; an\n"
        "  existing FILE is replaced only with --yes) or the proposed name in CONFIG of\n"
        "  the work directory. Prints the path.\n",
    .run = RunSaveConfig,
};

}  // namespace zor06::ctl
