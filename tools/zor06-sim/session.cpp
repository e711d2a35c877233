#include "zor06-sim/session.h"

#include <cstdio>
#include <string>

#include "link/frame.h"

namespace zor06::sim {
namespace {

constexpr platform::Millis kIdleReset{500};

}  // namespace

Session::Session(Controller& controller, FaultInjector& faults, std::ostream* trace)
    : controller_(controller), faults_(faults), trace_(trace) {}

std::vector<OutgoingReply> Session::Receive(std::span<const std::uint8_t> bytes,
                                            platform::MonoTime now) {
    if (lastReceived_ && now - *lastReceived_ > kIdleReset) {
        reader_.Clear();
    }
    lastReceived_ = now;
    std::vector<OutgoingReply> replies;
    for (const std::vector<std::uint8_t>& frame : reader_.Push(bytes)) {
        if (!controller_.Accepts(frame)) {
            Trace("not ours", frame);
            continue;
        }
        if (faults_.DropRequest()) {
            Trace("dropped", frame);
            continue;
        }
        Trace("request", frame);
        replies.push_back(faults_.Shape(controller_.Answer(frame), frame[link::kOffCode]));
        Trace("reply", replies.back().bytes);
    }
    return replies;
}

void Session::Restart() {
    reader_.Clear();
    lastReceived_.reset();
}

void Session::Trace(const char* what, std::span<const std::uint8_t> bytes) const {
    if (trace_ == nullptr) {
        return;
    }
    // One write per line, so that the lines of a fleet's controllers never mix.
    std::string line = std::string(what) + ':';
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    *trace_ << line + '\n' << std::flush;
}

}  // namespace zor06::sim
