// Collecting a known number of bytes from a channel in tests, where delivery may come in pieces.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/byte_channel.h"

namespace zor06::platform::test_io {

inline std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

// Reads until `count` bytes arrived, the channel failed, or a second passed.
inline std::vector<std::uint8_t> ReadBytes(ByteChannel& channel, std::size_t count) {
    const MonoTime until = MonoClock::now() + std::chrono::seconds(1);
    std::vector<std::uint8_t> got;
    std::uint8_t buffer[256];
    while (got.size() < count && MonoClock::now() < until) {
        const ReceiveResult r = channel.Receive(buffer, until);
        if (r.failed) {
            break;
        }
        got.insert(got.end(), buffer, buffer + r.count);
    }
    return got;
}

}  // namespace zor06::platform::test_io
