#include "tables/connection_startup.h"

#include "link/hgcbox.h"
#include "link/link_kind.h"
#include "link/modem_dialogue.h"

namespace zor06::tables {
namespace {

// The identification's steps of the start-up: on the telephone line the credentials were asked
// before dialling, so the identification asks none.
class IdentifyStepsOf final : public IdentifySteps {
public:
    IdentifyStepsOf(StartupSteps& steps, bool credentialsAsked)
        : steps_(steps), credentialsAsked_(credentialsAsked) {}
    void AskCredentials() override {
        if (!credentialsAsked_) {
            steps_.AskCredentials();
        }
    }
    std::optional<bool> RestoreTables(TableContext& ctx) override {
        return steps_.RestoreTables(ctx);
    }

private:
    StartupSteps& steps_;
    bool credentialsAsked_;
};

// From an open connection to an identified controller; false leaves it to be disconnected.
bool IdentifyConnected(TableContext& ctx, ConnectionState& state, StartupSteps& steps) {
    const bool telephone = ctx.link.linkKind == link::LinkKind::Telephone;
    if (telephone) {
        // The call is made in the user's name: the credentials come before dialling.
        steps.AskCredentials();
        state.modemConnected = steps.Dial();
        if (!state.modemConnected) {
            return false;
        }
    }
    IdentifyStepsOf identifySteps(steps, telephone);
    int address = ctx.link.address;
    const IdentifyOutcome outcome = Identify(ctx, identifySteps, &address);
    if (outcome != IdentifyOutcome::Failed) {
        steps.AnsweredFrom(address);
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

void StartConnection(TableContext& ctx, ConnectionState& state, StartupSteps& steps) {
    steps.DescribeConnection();
    dialogue::BusyScope busy(ctx.op);
    if (state.identified) {
        Disconnect(ctx, state);
    }
    ctx.op.SetStatusText(dialogue::Panel::Controller, "");
    steps.HideMenus();

    const bool connected = steps.ConnectDialog();
    steps.SaveLinkSettings();
    if (connected) {
        state.identified = IdentifyConnected(ctx, state, steps);
        if (!state.identified) {
            Disconnect(ctx, state);
        }
    }
    steps.UpdateMenus();
}

}  // namespace zor06::tables
