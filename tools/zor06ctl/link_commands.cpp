// Opening the link, raw requests and the device search.
#include <cstdio>

#include "link/device_search.h"
#include "link/frame.h"
#include "link/link_parameters.h"
#include "link/open_link.h"
#include "settings/connection_procedure.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "tables/identification.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/hex.h"

namespace zor06::ctl {
namespace {

constexpr int kDefaultInterByteMs = 300;
constexpr int kSearchFirstByteMs = 1000;

}  // namespace

int UsageError(const std::string& text, const std::string& command) {
    std::fprintf(stderr, "%s\n%s", text.c_str(), Usage(command).c_str());
    return kExitUsage;
}

std::optional<std::filesystem::path> WorkDirectory(const Session& s) {
    std::string error;
    auto workDir = settings::PrepareWorkDir(s.cl.link.workDir, &error);
    if (!workDir) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return workDir;
}

settings::ProgramSettings LoadWorkDirSettings(Session& s, const std::filesystem::path& workDir) {
    settings::ProgramSettings program;
    const auto problems = settings::LoadSettings(program, settings::IniDir(workDir), {1280, 1024},
                                                 platform::SystemClock().LocalDateTime());
    for (const settings::FileProblem& problem : problems) {
        s.op.ShowMessage(dialogue::MessageKind::Error, problem.text, problem.reason);
    }
    return program;
}

namespace {

// The link the desktop program would use: conn.ini's current kind and its record or subscriber.
bool ConnectFromWorkDir(Session& s) {
    const auto workDir = WorkDirectory(s);
    if (!workDir) {
        return false;
    }
    settings::ProgramSettings program = LoadWorkDirSettings(s, *workDir);
    const settings::ConnectChoice choice = settings::StoredChoice(program);
    if (!settings::Connect(s.link, program, choice, s.op)) {
        return false;
    }
    const auto row = static_cast<std::size_t>(choice.subscriber);
    if (choice.kind != link::LinkKind::Telephone || row >= program.phones.entries.size()) {
        return true;  // the connection checked that a telephone subscriber was chosen
    }
    // The telephone line is open: the call goes to the chosen subscriber.
    const settings::PhoneLinkSettings& phone = program.link.phone;
    return DialPhone(s, {program.phones.entries[row].phone, phone.command, phone.connectAttempts,
                         phone.connectWaitS});
}

}  // namespace

bool ConnectLink(Session& s) {
    const LinkOptions& options = s.cl.link;
    if (options.tcp.empty() && options.serial.empty()) {
        if (!ConnectFromWorkDir(s)) {
            return false;
        }
        s.link.SetCredentials(options.password, options.idCode);
        return true;
    }
    const link::LinkParameters parameters = LinkParametersOf(options);

    link::TcpEndpoint tcp;
    if (!options.tcp.empty()) {
        const auto colon = options.tcp.rfind(':');
        if (colon == std::string::npos) {
            std::fprintf(stderr, "--tcp needs HOST:PORT\n");
            return false;
        }
        tcp.host = options.tcp.substr(0, colon);
        tcp.port = options.tcp.substr(colon + 1);
    }
    // Connected, the link object takes the options as they are, the first-byte wait in ms.
    if (!link::OpenLink(s.link, parameters, tcp, s.op)) {
        return false;
    }
    s.link.SetCredentials(options.password, options.idCode);
    return options.phone.empty() || DialPhone(s, {options.phone, options.modemCommand});
}

bool ConnectAndIdentify(Session& s) {
    // Without screens: no credentials asked, no restoration of destroyed tables.
    tables::IdentifySteps withoutScreens;
    return ConnectLink(s) && tables::Identify(s.tables, withoutScreens, nullptr) ==
                                 tables::IdentifyOutcome::Identified;
}

namespace {

int RunRequest(Session& s) {
    const auto& args = s.cl.args;
    if (args.empty() || args.size() > 2) {
        return UsageError("request takes CODE [HEX]", s.cl.command);
    }
    const auto code = ParseInt(args[0], 0, 255);
    const auto data = args.size() > 1 ? ParseHex(args[1]) : std::vector<std::uint8_t>{};
    if (!code || !data) {
        return UsageError("request takes a decimal CODE and HEX data", s.cl.command);
    }
    if (!ConnectLink(s)) {
        return kExitFailed;
    }
    if (!s.link.Request(static_cast<std::uint8_t>(*code), *data)) {
        std::fprintf(stderr, "%s\n", s.link.StatusText().c_str());
        return kExitFailed;
    }
    std::printf("%s\n",
                ToHex({s.link.replyFrame.data(), s.link.replyFrame[link::kOffLength]}).c_str());
    return kExitOk;
}

int RunSearch(Session& s) {
    const LinkOptions& options = s.cl.link;
    if (options.serial.empty() || !s.cl.args.empty()) {
        return UsageError("search takes --serial DEVICE", s.cl.command);
    }
    link::SearchParameters params;
    params.device = options.serial;
    params.firstByteTimeoutMs = options.firstByteTimeoutMs.value_or(kSearchFirstByteMs);
    params.interByteTimeoutMs = options.interByteTimeoutMs.value_or(kDefaultInterByteMs);
    params.preambles = options.preambles;
    params.attempts = options.attempts;
    link::SearchHooks hooks;
    if (s.cl.verbose) {
        hooks.onRate = [](int baud) { std::fprintf(stderr, "%d\n", baud); };
    }
    const auto found = link::SearchDevice(s.link, params, s.op, hooks);
    if (!found) {
        return kExitFailed;
    }
    std::printf("%d %d\n", found->address, found->baud);
    return kExitOk;
}

constexpr Synopsis kRequestSynopsis[] = {
    {"request CODE HEX", "any function code with raw data; prints the reply"},
};

constexpr Synopsis kSearchSynopsis[] = {
    {"search --serial DEVICE", "find a controller's address and baud rate"},
};

}  // namespace

constinit const Command kRequestCommand{
    .name = "request",
    .synopsis = kRequestSynopsis,
    .help =
        "zor06ctl [LINK] request CODE HEX\n"
        "  Sends any function code the link accepts with raw data (\"\" for none) and\n"
        "  prints the reply frame in hex.\n",
    .run = RunRequest,
};

constinit const Command kSearchCommand{
    .name = "search",
    .synopsis = kSearchSynopsis,
    .help =
        "zor06ctl search --serial DEVICE [--first-byte-timeout MS] [--attempts N]\n"
        "  Tries every baud rate from 300 up with a read of table 0, field 0 to address\n"
        "  255 and prints the controller's address and baud rate: \"ADDRESS BAUD\".\n",
    .run = RunSearch,
};

}  // namespace zor06::ctl
