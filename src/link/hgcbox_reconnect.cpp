// A TCP connection whose peer went away is made again when a request is repeated: the operator
// repeats it once the controller is back (a restart, a converter that dropped the line).
#include <algorithm>

#include "link/hgcbox.h"
#include "link/link_texts.h"
#include "link/stepped_wait.h"
#include "platform/tcp_socket.h"

namespace zor06::link {
namespace {

// A converter takes a moment after accepting before it passes bytes on, as at "Связаться".
constexpr auto kSettle = platform::Millis(1000);

}  // namespace

bool hgcbox::ReconnectIfLost() {
    platform::TcpSocket* socket = channel_ ? channel_->Socket() : nullptr;
    if (!connectionLost_ || socket == nullptr) {
        return true;
    }
    // Between steps the interface repaints; whatever runs then may stop the request or take the
    // socket away (a disconnection).
    const auto stopped = [this, socket] {
        if (listener_ != nullptr) {
            listener_->Idle();
        }
        return abortRequested_ || !channel_ || channel_->Socket() != socket;
    };
    const platform::MonoTime deadline =
        clock_.Now() + std::chrono::seconds(std::max(0, connectWaitS));
    const SteppedOutcome outcome = RetryInSteps(
        clock_, deadline,
        [socket](platform::MonoTime stepEnd) { return socket->Reconnect(stepEnd); }, stopped);
    if (outcome == SteppedOutcome::kDone && WaitInSteps(clock_, clock_.Now() + kSettle, stopped)) {
        connectionLost_ = false;
        owedReplies_ = 0;  // whatever the old connection owed is gone with it
        return true;
    }
    // Still nowhere to send the request to.
    status = outcome == SteppedOutcome::kTimedOut ? status::kSendFailed : status::kAborted;
    return false;
}

}  // namespace zor06::link
