// The telephone link from the command line: a dial before the command, a hang-up after it.
#include "zor06ctl/commands.h"

#include "link/modem_call.h"
#include "link/modem_dialogue.h"

namespace zor06::ctl {
namespace {

// "Повторить попытку соединения?" is an ordinary question that --yes answers "Да"; here it is
// answered so at most `retries` times, so that a busy number cannot hold a script for ever.
class DialRetries : public dialogue::Operator {
public:
    DialRetries(dialogue::Operator& op, int retries) : op_(op), retries_(retries) {}
    bool ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                     std::string_view text2) override {
        if (retries_ <= 0) {
            return declining_.ShowMessage(kind, text1, text2);
        }
        const bool yes = op_.ShowMessage(kind, text1, text2);
        retries_ -= yes ? 1 : 0;
        return yes;
    }
    void MessageBox(std::string_view text, std::string_view caption) override {
        op_.MessageBox(text, caption);
    }
    void SetStatusText(dialogue::Panel panel, std::string_view text) override {
        op_.SetStatusText(panel, text);
    }
    void SetBusy(bool busy) override { op_.SetBusy(busy); }
    void ProcessEvents() override { op_.ProcessEvents(); }

private:
    dialogue::Operator& op_;
    ConsoleOperator declining_{false};
    int retries_;
};

}  // namespace

bool DialPhone(Session& s, const link::DialRequest& request) {
    link::ModemResult result = link::ModemResult::NoModem;
    DialRetries op(s.op, s.cl.retries);
    const bool connected =
        link::DialSubscriber(s.link, request, op, platform::SystemClock(), &result);
    // A modem whose wait ran out or was interrupted may be half-way into a call; one that gave a
    // final answer is not in one.
    s.dialled = connected || result == link::ModemResult::NoReply ||
                result == link::ModemResult::Interrupted;
    return connected;
}

void EndCall(Session& s) {
    if (s.dialled && s.link.Channel() != nullptr) {
        link::HangUp(*s.link.Channel(), platform::SystemClock());
    }
    s.dialled = false;
}

}  // namespace zor06::ctl
