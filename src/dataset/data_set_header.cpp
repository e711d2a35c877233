#include "dataset/data_set_header.h"

#include <algorithm>

namespace zor06::dataset {
namespace {

void PutU32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetU32(const std::uint8_t* at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | at[i];
    }
    return value;
}

// Offsets of the fields.
constexpr std::size_t kSourceAt = 3;
constexpr std::size_t kControllerAt = 4;
constexpr std::size_t kRunAt = 24;
constexpr std::size_t kAddressAt = 44;
constexpr std::size_t kModelAt = 45;
constexpr std::size_t kFormatAt = 46;
constexpr std::size_t kSerialAt = 47;
constexpr std::size_t kReadAt = 51;
constexpr std::size_t kStartAt = 57;
constexpr std::size_t kEndAt = 63;
constexpr std::size_t kCountAt = 69;
static_assert(kCountAt + 4 + 8 == kHeaderSize);

}  // namespace

void HdmHeader::SetKind(std::string_view letters) {
    kind.fill(0);
    std::copy_n(letters.begin(), std::min(letters.size(), kind.size()), kind.begin());
}

std::array<std::uint8_t, kHeaderSize> HdmHeader::Encode() const {
    std::array<std::uint8_t, kHeaderSize> b{};
    std::copy(kind.begin(), kind.end(), b.begin());
    b[kSourceAt] = source;
    std::ranges::copy(controllerName, b.begin() + kControllerAt);
    std::ranges::copy(runName, b.begin() + kRunAt);
    b[kAddressAt] = address;
    b[kModelAt] = model;
    b[kFormatAt] = format;
    PutU32(&b[kSerialAt], serialNumber);
    std::ranges::copy(readAt, b.begin() + kReadAt);
    std::ranges::copy(start, b.begin() + kStartAt);
    std::ranges::copy(end, b.begin() + kEndAt);
    PutU32(&b[kCountAt], recordCount);
    return b;
}

std::optional<HdmHeader> HdmHeader::Decode(std::span<const std::uint8_t> b) {
    if (b.size() < kHeaderSize) {
        return std::nullopt;
    }
    HdmHeader h;
    std::copy_n(b.begin(), 3, h.kind.begin());
    h.source = b[kSourceAt];
    std::copy_n(b.begin() + kControllerAt, h.controllerName.size(), h.controllerName.begin());
    std::copy_n(b.begin() + kRunAt, h.runName.size(), h.runName.begin());
    h.address = b[kAddressAt];
    h.model = b[kModelAt];
    h.format = b[kFormatAt];
    h.serialNumber = GetU32(&b[kSerialAt]);
    std::copy_n(b.begin() + kReadAt, 6, h.readAt.begin());
    std::copy_n(b.begin() + kStartAt, 6, h.start.begin());
    std::copy_n(b.begin() + kEndAt, 6, h.end.begin());
    h.recordCount = GetU32(&b[kCountAt]);
    return h;
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
