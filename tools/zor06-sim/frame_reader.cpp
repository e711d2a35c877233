#include "zor06-sim/frame_reader.h"

#include <algorithm>

#include "link/crc16.h"
#include "link/frame.h"

namespace zor06::sim {

std::vector<std::vector<std::uint8_t>> FrameReader::Push(std::span<const std::uint8_t> bytes) {
    namespace lk = zor06::link;
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    std::vector<std::vector<std::uint8_t>> frames;
    for (;;) {
        const auto start = std::ranges::find(buffer_, lk::kRequestStart);
        buffer_.erase(buffer_.begin(), start);
        if (buffer_.size() <= lk::kOffLength) {
            break;
        }
        const std::size_t length = buffer_[lk::kOffLength];
        if (length < lk::kMinFrameLength) {
            buffer_.erase(buffer_.begin());
            continue;
        }
        if (buffer_.size() < length) {
            break;
        }
        const std::span<const std::uint8_t> candidate(buffer_.data(), length);
        if (lk::Crc16(candidate) == 0) {
            frames.emplace_back(candidate.begin(), candidate.end());
            buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(length));
        } else {
            buffer_.erase(buffer_.begin());  // a false start: look for the next one inside
        }
    }
    return frames;
}

}  // namespace zor06::sim
