// Cuts requests out of the received byte stream: skips preamble and line noise up to a start
// byte, and takes a candidate frame only when its checksum holds, so that a start byte inside
// noise cannot swallow the real request behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zor06::sim {

class FrameReader {
public:
    // Adds received bytes; returns the requests they complete, oldest first.
    std::vector<std::vector<std::uint8_t>> Push(std::span<const std::uint8_t> bytes);
    // Forgets a partly received request.
    void Clear() { buffer_.clear(); }
    std::size_t Pending() const { return buffer_.size(); }

private:
    std::vector<std::uint8_t> buffer_;
};

}  // namespace zor06::sim
