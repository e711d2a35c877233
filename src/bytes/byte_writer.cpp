#include "bytes/byte_writer.h"

#include <algorithm>

namespace zor06::bytes {

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
    if (vector_ != nullptr) {
        vector_->insert(vector_->end(), bytes.begin(), bytes.end());
    } else if (ok_ && bytes.size() <= span_.size() - at_) {
        std::ranges::copy(bytes, span_.begin() + static_cast<std::ptrdiff_t>(at_));
    } else {
        ok_ = false;
        return;
    }
    at_ += bytes.size();
}

void ByteWriter::Skip(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        U8(0);
    }
}

void ByteWriter::Little(std::uint64_t v, std::size_t count) {
    std::array<std::uint8_t, 8> b{};
    for (std::size_t i = 0; i < count; ++i) {
        b[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
    Bytes(std::span<const std::uint8_t>(b).first(count));
}

}  // namespace zor06::bytes
