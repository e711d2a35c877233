// What the controller passes on to the flow computers: which gas parameters it writes (table 21)
// and how often it writes the hourly means (table 28).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "config/editor.h"
#include "tables/gas_parameters.h"

namespace zor06::config {

inline constexpr int kGasParameterCount = tables::kGasParameterCount;

// " Суммарная МД гексана и б.т.с." ... in gas-parameter order; each with its leading blank.
std::string_view GasParameterName(int index);
// Indexes 15 and 16 are never used in the tables of gas parameters.
bool GasParameterUsed(int index);

// Table 28: the period in hours, one of 1, 2, 3, 4, 6, 12, 24.
inline constexpr std::array<int, 7> kDistributionPeriods{1, 2, 3, 4, 6, 12, 24};
// The list position of the stored period; none for a value not in the list.
std::optional<int> FillPeriod(std::span<const std::uint8_t, 2> target);
Refusal AcceptPeriod(std::optional<int> periodIndex, std::span<std::uint8_t, 2> target);

// Table 21: per gas parameter 0 " Не записывать " or 1 " Записывать". Unused parameters always
// show 0.
using WriteChoices = std::array<std::optional<int>, kGasParameterCount>;
WriteChoices FillWriteChoices(std::span<const std::uint8_t, kGasParameterCount> target);
Refusal AcceptWriteChoices(const WriteChoices& choices,
                           std::span<std::uint8_t, kGasParameterCount> target);

}  // namespace zor06::config
