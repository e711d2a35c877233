#include "dataset/data_set_header.h"

#include <algorithm>

#include "bytes/fields.h"

namespace zor06::dataset {

static_assert(bytes::SizeOf<HdmHeader>() == kHeaderSize);

void HdmHeader::SetKind(std::string_view letters) {
    kind.fill(0);
    std::copy_n(letters.begin(), std::min(letters.size(), kind.size()), kind.begin());
}

std::array<std::uint8_t, kHeaderSize> HdmHeader::Encode() const {
    return bytes::Encode(*this);
}

std::optional<HdmHeader> HdmHeader::Decode(std::span<const std::uint8_t> b) {
    return bytes::Decode<HdmHeader>(b);
}

bool AcceptDataFile(std::span<const std::uint8_t> fileStart, std::string_view expectedKind,
                    std::optional<Device> expectedDevice) {
    const std::optional<HdmHeader> h = HdmHeader::Decode(fileStart);
    if (!h || h->Kind() != expectedKind || h->model != kModel || h->format != kFormat) {
        return false;
    }
    return !expectedDevice || h->DeviceBits() == static_cast<std::uint8_t>(*expectedDevice);
}

std::size_t RecordsPresent(const HdmHeader& header, std::size_t bodyBytes, std::size_t recordSize) {
    if (recordSize == 0) {
        return 0;
    }
    return std::min<std::size_t>(header.recordCount, bodyBytes / recordSize);
}

}  // namespace zor06::dataset
