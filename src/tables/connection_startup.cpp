#include "tables/connection_startup.h"

namespace zor06::tables {
namespace {

void Run(const std::function<void()>& step) {
    if (step) {
        step();
    }
}

}  // namespace

void Disconnect(TableContext& ctx, ConnectionState& state) {
    state.modemConnected = false;  // dialling comes with the modem link
    ctx.link.ClosePort();
    ctx.link.CloseSocket();
    ctx.op.SetStatusText(1, "");
    state.identified = false;
}

void StartConnection(TableContext& ctx, ConnectionState& state, const StartupSteps& steps) {
    Run(steps.describeConnection);
    link::BusyScope busy(ctx.op);
    if (state.identified) {
        Disconnect(ctx, state);
    }
    ctx.op.SetStatusText(1, "");
    Run(steps.hideMenus);

    const bool connected = steps.connectDialog && steps.connectDialog();
    Run(steps.saveLinkSettings);
    if (connected) {
        IdentifyHooks hooks{steps.restoreTables, steps.askCredentials};
        int address = ctx.link.address;
        const IdentifyOutcome outcome = Identify(ctx, hooks, &address);
        if (outcome != IdentifyOutcome::Failed && steps.answeredFrom) {
            steps.answeredFrom(address);
        }
        state.identified = outcome == IdentifyOutcome::Identified;
        if (!state.identified) {
            Disconnect(ctx, state);
        }
    }
    Run(steps.updateMenus);
}

}  // namespace zor06::tables
