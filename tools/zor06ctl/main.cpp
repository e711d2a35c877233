// zor06ctl: the controller link from the command line, for scripts and for people at a terminal.
#include <cstdio>

#include "link/exchange_text.h"
#include "link/hgcbox.h"
#include "platform/signal_cleanup.h"
#include "zor06ctl/cli_options.h"
#include "zor06ctl/command_table.h"
#include "zor06ctl/commands.h"

namespace {

// --trace: each exchange in the layout of the desktop program's exchange monitor.
class StderrTrace final : public zor06::link::ExchangeObserver {
public:
    void ExchangeDone(const zor06::link::ExchangeView& exchange) override {
        std::fprintf(stderr, "%s\n", zor06::link::ExchangeLines(exchange).c_str());
    }
};

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
    const ctl::Command* command = ctl::FindCommand(cl->command);
    if (command == nullptr) {
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
    const int status = command->run(session);
    ctl::EndCall(session);
    return status;
}
