#include "tables/connection_startup.h"

#include "link/hgcbox.h"
#include "link/link_kind.h"
#include "link/modem_dialogue.h"

namespace zor06::tables {
namespace {

void Run(const std::function<void()>& step) {
    if (step) {
        step();
    }
}

// Without a dialling step the line counts as connected and no call is up to hang up later.
bool Dial(const StartupSteps& steps, ConnectionState& state) {
    if (!steps.dial) {
        return true;
    }
    state.modemConnected = steps.dial();
    return state.modemConnected;
}

// From an open connection to an identified controller; false leaves it to be disconnected.
bool IdentifyConnected(TableContext& ctx, ConnectionState& state, const StartupSteps& steps) {
    const bool telephone = ctx.link.linkKind == link::LinkKind::Telephone;
    if (telephone) {
        // The call is made in the user's name: the credentials come before dialling.
        Run(steps.askCredentials);
        if (!Dial(steps, state)) {
            return false;
        }
    }
    IdentifyHooks hooks{steps.restoreTables,
                        telephone ? std::function<void()>{} : steps.askCredentials};
    int address = ctx.link.address;
    const IdentifyOutcome outcome = Identify(ctx, hooks, &address);
    if (outcome != IdentifyOutcome::Failed && steps.answeredFrom) {
        steps.answeredFrom(address);
    }
    return outcome == IdentifyOutcome::Identified;
}

}  // namespace

void Disconnect(TableContext& ctx, ConnectionState& state) {
    if (state.modemConnected && ctx.link.Channel() != nullptr) {
        link::HangUp(*ctx.link.Channel(), ctx.clock);
    }
    state.modemConnected = false;
    ctx.link.Close();
    if (state.callEnded) {
        state.callEnded();
    }
    ctx.op.SetStatusText(dialogue::Panel::Controller, "");
    state.identified = false;
}

void StartConnection(TableContext& ctx, ConnectionState& state, const StartupSteps& steps) {
    Run(steps.describeConnection);
    dialogue::BusyScope busy(ctx.op);
    if (state.identified) {
        Disconnect(ctx, state);
    }
    ctx.op.SetStatusText(dialogue::Panel::Controller, "");
    Run(steps.hideMenus);

    const bool connected = steps.connectDialog && steps.connectDialog();
    Run(steps.saveLinkSettings);
    if (connected) {
        state.identified = IdentifyConnected(ctx, state, steps);
        if (!state.identified) {
            Disconnect(ctx, state);
        }
    }
    Run(steps.updateMenus);
}

}  // namespace zor06::tables
