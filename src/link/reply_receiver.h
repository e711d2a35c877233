// Judges the bytes of a controller's reply one at a time: start byte, address (with adoption of a
// new address), length, then the rest of the frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace zor06::link {

class ReplyReceiver {
public:
    // `frame` must hold at least 256 bytes; the receiver never writes past frame[255].
    explicit ReplyReceiver(std::span<std::uint8_t> frame);

    // `adoptAny`: the request went to address 255, so any answering address is taken.
    // `adoptCandidate`: the request writes this value into the address field of the controller,
    // which may already answer from it.
    void Reset(std::uint8_t address, bool adoptAny, std::optional<std::uint8_t> adoptCandidate);

    // Stores and judges one byte; true once the frame is complete.
    bool Feed(std::uint8_t byte);

    // Bytes accepted so far (n).
    std::size_t Accepted() const { return n_; }
    bool Complete() const { return complete_; }
    // The address expected, or the one adopted from the reply.
    std::uint8_t Address() const { return address_; }

private:
    void JudgeAddress(std::uint8_t byte);

    std::span<std::uint8_t> frame_;
    std::size_t n_ = 0;
    bool complete_ = false;
    std::uint8_t address_ = 0;
    bool adoptAny_ = false;
    std::optional<std::uint8_t> adoptCandidate_;
};

}  // namespace zor06::link
