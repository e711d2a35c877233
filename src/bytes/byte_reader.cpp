#include "bytes/byte_reader.h"

namespace zor06::bytes {

std::uint8_t ByteReader::U8() {
    const auto b = Bytes(1);
    return b.empty() ? 0 : b[0];
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    if (!ok_ || count > Remaining()) {
        ok_ = false;
        at_ = bytes_.size();
        return {};
    }
    const auto out = bytes_.subspan(at_, count);
    at_ += count;
    return out;
}

std::uint64_t ByteReader::Little(std::size_t count) {
    const auto b = Bytes(count);
    std::uint64_t v = 0;
    for (std::size_t i = b.size(); i-- > 0;) {
        v = v << 8 | b[i];
    }
    return v;
}

}  // namespace zor06::bytes
