// The controller's own lines to the chromatograph (table 14) and to the moisture meter (table 15).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "config/editor.h"

namespace zor06::config {

inline constexpr std::size_t kChromatographLinkBytes = 14;
inline constexpr std::size_t kMoistureLinkBytes = 8;

// Where a run takes its gas temperature from: a flow computer (its index from 0) and its pipeline.
struct TemperatureSource {
    std::optional<int> flowComputer;
    std::optional<int> pipeline;  // 1..3
};

struct ChromatographEntries {
    std::string address;  // 1..247
    std::optional<int> rateIndex;
    std::optional<int> mode;      // 0 ASCII, 1 RTU
    std::optional<int> parity;    // 0 none, 1 odd, 2 even
    std::optional<int> timeout;   // hundredths of a second, 5..255
    std::optional<int> failures;  // 1..10
    std::optional<int> type;      // only 3, Encal3000
    std::array<bool, 2> runs{};   // in use
    std::array<TemperatureSource, 2> sources{};
};

// `flowComputers`: how many are connected (0 when none).
ChromatographEntries FillChromatographLink(std::span<const std::uint8_t, kChromatographLinkBytes> t,
                                           int flowComputers);
Refusal AcceptChromatographLink(const ChromatographEntries& e, int flowComputers,
                                std::span<std::uint8_t, kChromatographLinkBytes> t);

struct MoistureEntries {
    std::string address;  // 1..247
    std::optional<int> rateIndex;
    std::optional<int> mode;
    std::string timeout;  // 5..255
    std::optional<int> failures;
    std::optional<int> type;  // 0 "TORVY 3100", 1 "ДЕН-5К"
};

MoistureEntries FillMoistureLink(std::span<const std::uint8_t, kMoistureLinkBytes> t);
Refusal AcceptMoistureLink(const MoistureEntries& e, std::span<std::uint8_t, kMoistureLinkBytes> t);

}  // namespace zor06::config
