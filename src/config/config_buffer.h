// A configuration: every writable parameter of one controller in one fixed record, which is also
// the content of a configuration file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zor06::config {

inline constexpr std::size_t kConfigSize = 2645;

// Where each part of a configuration lies; the bytes between them are spare.
struct ConfigPart {
    std::size_t offset;
    std::size_t size;
};

// A fixed record of bytes read and written a part at a time.
template <std::size_t Size>
struct PartedBytes {
    std::span<std::uint8_t> Part(ConfigPart p) {
        return std::span(bytes).subspan(p.offset, p.size);
    }
    std::span<const std::uint8_t> Part(ConfigPart p) const {
        return std::span(bytes).subspan(p.offset, p.size);
    }

    std::array<std::uint8_t, Size> bytes{};
};

namespace part {
inline constexpr ConfigPart kFromController{0, 1};     // 1: the identification was read
inline constexpr ConfigPart kIdentification{1, 18};    // table 0
inline constexpr ConfigPart kNames{29, 60};            // table 5
inline constexpr ConfigPart kUpperLink{109, 4};        // table 3
inline constexpr ConfigPart kSystem{213, 12};          // table 6
inline constexpr ConfigPart kChromatograph{325, 14};   // table 14
inline constexpr ConfigPart kMoisture{385, 8};         // table 15
inline constexpr ConfigPart kFlowComputers{443, 320};  // sixteen records of 20 bytes
inline constexpr ConfigPart kWriteChoices{863, 20};    // table 21
inline constexpr ConfigPart kLimits{983, 900};         // five blocks of 45 slots
inline constexpr ConfigPart kPeriod{1883, 2};          // table 28
inline constexpr ConfigPart kUsers{1985, 352};         // table 4
inline constexpr ConfigPart kFlowLine{2437, 6};        // table 9
}  // namespace part

inline constexpr std::size_t kLimitBlockSize = 180;

class ConfigBuffer : public PartedBytes<kConfigSize> {
public:
    // The twenty values of limit kind 0..4 (tables 22..26).
    std::span<std::uint8_t> LimitBlock(int kind);
};

// A new configuration: the defaults, every spare byte zero.
ConfigBuffer NewConfiguration();

// The file keeps every flow-computer password byte b as (4 - b) mod 256; the same step undoes it.
std::array<std::uint8_t, kConfigSize> ToFileBytes(const ConfigBuffer& buffer);
ConfigBuffer FromFileBytes(std::span<const std::uint8_t, kConfigSize> file);

}  // namespace zor06::config
