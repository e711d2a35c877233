// One controller on one line: received bytes in, replies out, with faults applied. Timing and
// transport are the server's business.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

#include "platform/clock.h"
#include "zor06-sim/controller.h"
#include "zor06-sim/faults.h"
#include "zor06-sim/frame_reader.h"

namespace zor06::sim {

class Session {
public:
    // `trace`, when given, gets one line per request and reply.
    Session(Controller& controller, FaultInjector& faults, std::ostream* trace = nullptr);

    // Bytes received at `now`; returns the replies to send, in order. A partial request older
    // than the line's idle time is dropped first: the master has given up on it.
    std::vector<OutgoingReply> Receive(std::span<const std::uint8_t> bytes, platform::MonoTime now);
    // A new connection: nothing received so far counts.
    void Restart();

private:
    void Trace(const char* what, std::span<const std::uint8_t> bytes) const;

    Controller& controller_;
    FaultInjector& faults_;
    std::ostream* trace_;
    FrameReader reader_;
    std::optional<platform::MonoTime> lastReceived_;
};

}  // namespace zor06::sim
