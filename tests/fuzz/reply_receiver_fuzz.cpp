// Arbitrary bytes never crash the reply receiver nor make it write past the 256-byte frame.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "link/reply_receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    // A guard zone behind the frame: any write past byte 255 shows up here.
    std::array<std::uint8_t, 256 + 64> memory{};
    memory.fill(0xA5);
    zor06::link::ReplyReceiver receiver(std::span<std::uint8_t>(memory.data(), 256));
    receiver.Reset(data[0], (data[1] & 1) != 0,
                   (data[1] & 2) != 0 ? std::optional<std::uint8_t>(data[2]) : std::nullopt);
    for (std::size_t i = 3; i < size; ++i) {
        const bool complete = receiver.Feed(data[i]);
        if (receiver.Accepted() > 255) {
            std::abort();
        }
        if (complete && (receiver.Accepted() < 6 || receiver.Accepted() != memory[2])) {
            std::abort();
        }
    }
    for (std::size_t i = 256; i < memory.size(); ++i) {
        if (memory[i] != 0xA5) {
            std::abort();
        }
    }
    return 0;
}
