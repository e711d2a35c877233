// zor06ctl: the controller link from the command line, for scripts and for people at a terminal.
#include <cstdio>
#include <map>

#include "link/exchange_text.h"
#include "link/hgcbox.h"
#include "platform/signal_cleanup.h"
#include "zor06ctl/cli_options.h"
#include "zor06ctl/commands.h"

namespace {

using Command = int (*)(zor06::ctl::Session&);

// --trace: each exchange in the layout of the desktop program's exchange monitor.
class StderrTrace final : public zor06::link::ExchangeObserver {
public:
    void ExchangeDone(const zor06::link::ExchangeView& exchange) override {
        std::fprintf(stderr, "%s\n", zor06::link::ExchangeLines(exchange).c_str());
    }
};

const std::map<std::string, Command>& Commands() {
    static const std::map<std::string, Command> commands{
        {"read-table", zor06::ctl::RunReadTable},
        {"write-table", zor06::ctl::RunWriteTable},
        {"request", zor06::ctl::RunRequest},
        {"search", zor06::ctl::RunSearch},
        {"identify", zor06::ctl::RunIdentify},
        {"read-config", zor06::ctl::RunReadConfig},
        {"clock", zor06::ctl::RunClock},
        {"sync-clock", zor06::ctl::RunSyncClock},
        {"users", zor06::ctl::RunUsers},
        {"save-config", zor06::ctl::RunSaveConfig},
        {"write-config", zor06::ctl::RunWriteConfig},
        {"show-config", zor06::ctl::RunShowConfig},
        {"protocol", zor06::ctl::RunProtocol},
        {"print-protocol", zor06::ctl::RunPrintProtocol},
        {"status", zor06::ctl::RunStatus},
        {"functions", zor06::ctl::RunFunctions},
        {"show-messages", zor06::ctl::RunShowMessages},
        {"messages", zor06::ctl::RunMessages},
        {"bounds", zor06::ctl::RunBounds},
        {"chromatograph", zor06::ctl::RunChromatograph},
        {"moisture", zor06::ctl::RunMoisture},
        {"show-data", zor06::ctl::RunShowData},
        {"momentary", zor06::ctl::RunMomentary},
        {"extra-params", zor06::ctl::RunExtraParams},
        {"passport", zor06::ctl::RunPassport},
    };
    return commands;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace zor06;
    // A run its session ends, or whose reader stops reading, leaves no work files behind.
    platform::RemoveTemporariesOnEndingSignals();
    std::string error;
    const auto cl = ctl::ParseCommandLine(argc, argv, &error);
    if (!cl) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), ctl::Usage("").c_str());
        return ctl::kExitUsage;
    }
    if (cl->help) {
        std::printf("%s", ctl::Usage(cl->command).c_str());
        return ctl::kExitOk;
    }
    const auto command = Commands().find(cl->command);
    if (command == Commands().end()) {
        std::fprintf(stderr, "%s%s",
                     cl->command.empty() ? "" : ("unknown command " + cl->command + "\n").c_str(),
                     ctl::Usage("").c_str());
        return ctl::kExitUsage;
    }
    ctl::Session session(*cl);
    StderrTrace trace;
    if (cl->trace) {
        session.link.SetExchangeObserver(&trace);
    }
    const int status = command->second(session);
    ctl::EndCall(session);
    return status;
}
