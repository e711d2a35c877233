// Identifying the connected controller and printing the identification screen.
#include <cstdio>
#include <string>

#include "tables/identification.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/json.h"

namespace zor06::ctl {
namespace {

int RunIdentify(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("identify takes no arguments", s.cl.command);
    }
    const auto identification =
        ConnectAndIdentify(s) ? tables::ReadIdentification(s.tables) : std::nullopt;
    if (!identification) {
        return kExitFailed;
    }
    auto lines = tables::IdentificationLines(s.image, identification->Checksum());
    lines.emplace_back("Наименование контроллера", s.image.Name(0));
    lines.emplace_back("Нитка 1", s.image.Name(1));
    lines.emplace_back("Нитка 2", s.image.Name(2));

    if (s.cl.json) {
        std::printf("%s\n", JsonObject({lines.begin(), lines.end()}).c_str());
    } else {
        for (const auto& [label, value] : lines) {
            std::printf("%s: %s\n", label.c_str(), value.c_str());
        }
    }
    return kExitOk;
}

constexpr Synopsis kIdentifySynopsis[] = {
    {"identify [--json]", "identify the controller and print its identification"},
};

}  // namespace

constinit const Command kIdentifyCommand{
    .name = "identify",
    .synopsis = kIdentifySynopsis,
    .help =
        "zor06ctl [LINK] identify [--json]\n"
        "  Reads table 0, refuses a controller of another type or software version,\n"
        "  reads the names, system parameters and chromatograph link, and prints the\n"
        "  identification as \"Label: value\" lines (or one JSON object).\n",
    .run = RunIdentify,
};

}  // namespace zor06::ctl
