// The records of the chromatograph and moisture-meter data archives, exactly as the controller
// sends them and as the data files keep them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bytes/controller_date_time.h"
#include "bytes/fields.h"

namespace zor06::gasdata {

inline constexpr int kChrParameters = 20;
inline constexpr int kComponents = 11;  // parameters 0..10 are the mole fractions
inline constexpr int kMethane = 8;
inline constexpr int kWmtValues = 4;

// The 20 gas-quality values in the controller's parameter order.
struct ChrValues {
    std::array<float, kChrParameters> v{};
    static constexpr std::size_t kSize = 80;
    static ChrValues Decode(std::span<const std::uint8_t, kSize> bytes);
    void Encode(std::span<std::uint8_t, kSize> out) const;
};

template <class Io>
constexpr void Fields(Io& io, ChrValues& r) {
    io(r.v);
}

// Not a number or infinite: every exponent bit set.
bool IsInvalidValue(float value);

// A record is valid when the CRC over all of it, its own two CRC bytes included, is 0.
bool RecordCrcValid(std::span<const std::uint8_t> record);
// Writes the CRC of the bytes before the last two into the last two, low byte first.
void SealRecord(std::span<std::uint8_t> record);

// One 3-minute record of a chromatograph run.
struct ChrMinRecord {
    static constexpr std::size_t kSize = 93;
    bytes::ControllerDateTime date{};
    std::uint8_t state = 0;        // the controller's state for the record
    std::uint16_t statusWord = 0;  // the chromatograph's own abnormal signs
    std::array<std::uint8_t, 2> reserved{};
    ChrValues values;
    std::array<std::uint8_t, 2> crc{};

    static ChrMinRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> Encode() const;  // the CRC as held, not recomputed
};

template <class Io>
constexpr void Fields(Io& io, ChrMinRecord& r) {
    io(r.date);
    io(r.state);
    io(r.statusWord);
    io(r.reserved);
    io(r.values);
    io(r.crc);
}

// One 3-minute record of the moisture meter.
struct WmtMinRecord {
    static constexpr std::size_t kSize = 29;
    bytes::ControllerDateTime date{};
    std::uint8_t state = 0;  // 0x02 switched off, 0x04 no link
    std::array<std::uint8_t, 2> reserved{};
    std::uint16_t statusWord = 0;
    std::array<float, kWmtValues> values{};
    std::array<std::uint8_t, 2> crc{};

    static WmtMinRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> Encode() const;
};

template <class Io>
constexpr void Fields(Io& io, WmtMinRecord& r) {
    io(r.date);
    io(r.state);
    io(r.reserved);
    io(r.statusWord);
    io(r.values);
    io(r.crc);
}

// An hourly or daily record: the averages over an interval. Both devices' records have this
// layout; only their values differ.
template <class Values, std::size_t Size>
struct HdRecord {
    static constexpr std::size_t kSize = Size;
    std::array<std::uint8_t, 3> date{};
    std::array<std::uint8_t, 3> start{};  // hour, minute, second
    std::array<std::uint8_t, 3> end{};    // daily: bit 7 of the hour is a flag
    // The chromatograph's values are not usable with a bit of 0x22; the moisture meter is
    // switched off with 0x02, without link with 0x04.
    std::uint8_t status = 0;
    Values values{};
    std::array<std::uint8_t, 2> crc{};

    static HdRecord Decode(std::span<const std::uint8_t, kSize> bytes) {
        return bytes::DecodeExact<HdRecord>(bytes);
    }
    std::array<std::uint8_t, kSize> Encode() const { return bytes::Encode(*this); }
};

template <class Io, class Values, std::size_t Size>
constexpr void Fields(Io& io, HdRecord<Values, Size>& r) {
    io(r.date);
    io(r.start);
    io(r.end);
    io(r.status);
    io(r.values);
    io(r.crc);
}

using ChrHdRecord = HdRecord<ChrValues, 92>;
using WmtHdRecord = HdRecord<std::array<float, kWmtValues>, 28>;

// The date of any data record: its first six bytes for 3-minute records; date and start time
// for hourly and daily ones.
bytes::ControllerDateTime RecordDate(std::span<const std::uint8_t> record, bool threeMinute);

}  // namespace zor06::gasdata
