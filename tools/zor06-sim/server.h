// The serving loops: wait (polling, never spinning) for request bytes on the transport, answer
// through the session, and send replies with the timing faults applied.
#pragma once

#include <cstdint>
#include <span>

#include "platform/byte_channel.h"
#include "platform/clock.h"
#include "platform/serial_port_posix.h"
#include "zor06-sim/faults.h"
#include "zor06-sim/modem.h"
#include "zor06-sim/session.h"
#include "zor06-sim/slave_hold.h"

namespace zor06::sim {

class Server {
public:
    Server(Session& session, const FaultOptions& faults,
           platform::Clock& clock = platform::SystemClock());

    // Each returns 0 once a stop is requested (see stop_signal.h), 1 after a failure of the
    // transport, reported on stderr.

    // Accepts connections one after another; a new connection replaces the current one.
    int ServeTcp(int listenFd);
    // Serves the master side of a pseudo-terminal, taking over the descriptor. With `baud` > 0
    // requests only count while the client has set the line to that speed. With a modem, the
    // line talks to it, and to the controller only during a call.
    int ServePty(int masterFd, long baud, SlaveHold& slave, Modem* modem = nullptr);
    int ServeSerial(platform::SerialPort& port);

private:
    bool Answer(platform::ByteChannel& channel, std::span<const std::uint8_t> received);
    // The modem's own texts go out at once; the controller answers what the call carried.
    bool Relay(platform::ByteChannel& channel, const ModemStep& step);
    bool Send(platform::ByteChannel& channel, const OutgoingReply& reply);
    bool SendPaced(platform::ByteChannel& channel, std::span<const std::uint8_t> bytes);
    bool TransmitAll(platform::ByteChannel& channel, std::span<const std::uint8_t> bytes);

    Session& session_;
    FaultOptions faults_;
    platform::Clock& clock_;
};

}  // namespace zor06::sim
