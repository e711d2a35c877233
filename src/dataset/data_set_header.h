// The header every archive reading ends with and every saved data file starts with: what was read,
// from which controller, for which period and when.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "bytes/controller_date_time.h"

namespace zor06::dataset {

inline constexpr std::size_t kHeaderSize = 81;
inline constexpr std::uint8_t kModel = 6;
inline constexpr std::uint8_t kFormat = 3;

enum class Device : std::uint8_t { Chromatograph = 0, MoistureMeter = 1 };

// NOLINTNEXTLINE(readability-identifier-naming): the established name of this record.
struct HdmHeader {
    std::array<char, 3> kind{};  // "AUD", "ALA", "MIN", "HOU", "DAY", "MOM"
    std::uint8_t source = 0;     // bits 4..7 run index, bits 0..3 device; 0 for messages
    std::array<std::uint8_t, 20> controllerName{};  // table 5 field 0 as the image holds it
    std::array<std::uint8_t, 20> runName{};         // zero for moisture-meter and message sets
    std::uint8_t address = 0;
    std::uint8_t model = kModel;
    std::uint8_t format = kFormat;
    std::uint32_t serialNumber = 0;      // the chromatograph's, table 41 field 0
    bytes::ControllerDateTime readAt{};  // the PC's date and time at the end of the reading
    bytes::ControllerDateTime start{};
    bytes::ControllerDateTime end{};
    std::uint32_t recordCount = 0;

    void SetKind(std::string_view letters);
    std::string_view Kind() const { return {kind.data(), kind.size()}; }
    int Run() const { return source >> 4; }
    std::uint8_t DeviceBits() const { return source & 0x0F; }

    std::array<std::uint8_t, kHeaderSize> Encode() const;
    // None when fewer than 81 bytes are given.
    static std::optional<HdmHeader> Decode(std::span<const std::uint8_t> bytes);
    bool operator==(const HdmHeader&) const = default;
};

template <class Io>
constexpr void Fields(Io& io, HdmHeader& h) {
    io(h.kind);
    io(h.source);
    io(h.controllerName);
    io(h.runName);
    io(h.address);
    io(h.model);
    io(h.format);
    io(h.serialNumber);
    io(h.readAt);
    io(h.start);
    io(h.end);
    io(h.recordCount);
    io.Skip(8);  // reserved
}

// Whether a file opened for viewing holds the expected kind of data set: the kind letters, the
// model and format bytes and, for the data archives, the device (the run plays no part). A file
// shorter than a header is refused.
bool AcceptDataFile(std::span<const std::uint8_t> fileStart, std::string_view expectedKind,
                    std::optional<Device> expectedDevice);

// How many records of `recordSize` the body after the header holds, never more than the header
// announces: a file cut short shows what it has, and the count alone sizes nothing.
std::size_t RecordsPresent(const HdmHeader& header, std::size_t bodyBytes, std::size_t recordSize);

}  // namespace zor06::dataset
