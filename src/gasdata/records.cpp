#include "gasdata/records.h"

#include <algorithm>
#include <bit>

#include "link/crc16.h"

namespace zor06::gasdata {

// Each layout's fields add up to its record size.
static_assert(bytes::SizeOf<ChrValues>() == ChrValues::kSize);
static_assert(bytes::SizeOf<ChrMinRecord>() == ChrMinRecord::kSize);
static_assert(bytes::SizeOf<ChrHdRecord>() == ChrHdRecord::kSize);
static_assert(bytes::SizeOf<WmtMinRecord>() == WmtMinRecord::kSize);
static_assert(bytes::SizeOf<WmtHdRecord>() == WmtHdRecord::kSize);

ChrValues ChrValues::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return bytes::DecodeExact<ChrValues>(bytes);
}

void ChrValues::Encode(std::span<std::uint8_t, kSize> out) const {
    bytes::EncodeTo(*this, out);
}

bool IsInvalidValue(float value) {
    return (std::bit_cast<std::uint32_t>(value) & 0x7F800000U) == 0x7F800000U;
}

bool RecordCrcValid(std::span<const std::uint8_t> record) {
    return record.size() > 2 && link::Crc16(record) == 0;
}

void SealRecord(std::span<std::uint8_t> record) {
    if (record.size() > 2) {
        link::PutCrc16(record.data(), record.size() - 2);
    }
}

ChrMinRecord ChrMinRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return bytes::DecodeExact<ChrMinRecord>(bytes);
}

std::array<std::uint8_t, ChrMinRecord::kSize> ChrMinRecord::Encode() const {
    return bytes::Encode(*this);
}

WmtMinRecord WmtMinRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    return bytes::DecodeExact<WmtMinRecord>(bytes);
}

std::array<std::uint8_t, WmtMinRecord::kSize> WmtMinRecord::Encode() const {
    return bytes::Encode(*this);
}

bytes::ControllerDateTime RecordDate(std::span<const std::uint8_t> record, bool threeMinute) {
    bytes::ControllerDateTime date{};
    if (record.size() >= 6) {
        std::copy_n(record.begin(), 6, date.begin());
    }
    if (!threeMinute) {
        date[5] = 0;  // hourly and daily records: the interval's start, to the minute
    }
    return date;
}

}  // namespace zor06::gasdata
