// The client side of the simulator binary's tests: a loopback connection, and one request with
// the reply frame it brings.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/byte_channel.h"
#include "platform/clock.h"
#include "platform/tcp_socket.h"
#include "sim/sim_frames.h"

namespace zor06::sim::testing {

inline constexpr std::chrono::milliseconds kReplyWait{2000};

inline std::unique_ptr<platform::TcpSocket> Connect(std::uint16_t port) {
    std::unique_ptr<platform::TcpSocket> socket = platform::SystemSockets().CreateSocket();
    if (!socket || !socket->Connect({0x7F000001, port}, platform::MonoClock::now() + kReplyWait)) {
        return nullptr;
    }
    return socket;
}

// Collects one reply frame until `until`, skipping anything before its start byte; empty when
// none comes in time.
inline Bytes ReceiveReply(platform::ByteChannel& channel, platform::MonoTime until) {
    Bytes reply;
    std::uint8_t buffer[256];
    while (reply.size() < 3 || reply.size() < reply[2]) {
        const platform::ReceiveResult r = channel.Receive(buffer, until);
        if (r.failed || r.count == 0) {
            return {};
        }
        reply.insert(reply.end(), buffer, buffer + r.count);
        while (!reply.empty() && reply.front() != 0x33) {
            reply.erase(reply.begin());
        }
    }
    return reply;
}

// Sends `request` behind a preamble and waits for its reply.
inline Bytes Exchange(platform::ByteChannel& channel, const Bytes& request,
                      std::chrono::milliseconds wait = kReplyWait) {
    const Bytes bytes = Concat({Bytes(4, 0xFF), request});
    if (channel.Transmit(bytes) != static_cast<long>(bytes.size())) {
        return {};
    }
    return ReceiveReply(channel, platform::MonoClock::now() + wait);
}

}  // namespace zor06::sim::testing
