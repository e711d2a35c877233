// The records of the chromatograph and moisture-meter data archives, exactly as the controller
// sends them and as the data files keep them.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>

#include "bytes/controller_date_time.h"

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

// One hourly or daily record of a chromatograph run: the averages over an interval.
struct ChrHdRecord {
    static constexpr std::size_t kSize = 92;
    std::array<std::uint8_t, 3> date{};
    std::array<std::uint8_t, 3> start{};  // hour, minute, second
    std::array<std::uint8_t, 3> end{};    // daily: bit 7 of the hour is a flag
    std::uint8_t status = 0;              // mask 0x22: the values are not usable
    ChrValues values;
    std::array<std::uint8_t, 2> crc{};

    static ChrHdRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> Encode() const;
};

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

// One hourly or daily record of the moisture meter.
struct WmtHdRecord {
    static constexpr std::size_t kSize = 28;
    std::array<std::uint8_t, 3> date{};
    std::array<std::uint8_t, 3> start{};
    std::array<std::uint8_t, 3> end{};
    std::uint8_t status = 0;  // 0x02 switched off, 0x04 no link
    std::array<float, kWmtValues> values{};
    std::array<std::uint8_t, 2> crc{};

    static WmtHdRecord Decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> Encode() const;
};

// The hourly and daily records of both devices share one layout; only the number of values
// differs.
template <class Io, class Record>
requires std::same_as<Record, ChrHdRecord> || std::same_as<Record, WmtHdRecord>
constexpr void Fields(Io& io, Record& r) {
    io(r.date);
    io(r.start);
    io(r.end);
    io(r.status);
    io(r.values);
    io(r.crc);
}

// The date of any data record: its first six bytes for 3-minute records; date and start time
// for hourly and daily ones.
bytes::ControllerDateTime RecordDate(std::span<const std::uint8_t> record, bool threeMinute);

}  // namespace zor06::gasdata
