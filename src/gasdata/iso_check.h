// The hourly and daily views' check of the chromatograph's superior calorific value, density and
// relative density against the values ISO 6976 gives for each record's own composition at the
// settings' conditions: per value the chromatograph's, the computed one and their difference in
// per cent, marked when it is further off than the settings allow.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "gasdata/data_set.h"
#include "gasdata/data_view.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

// The parameters checked, in the order of their column groups.
inline constexpr std::array<int, 3> kIsoCheckParameters{11, 12, 19};
inline constexpr std::size_t kIsoCheckColumnsPerParameter = 3;
inline constexpr int kIsoCheckDifferenceDecimals = 3;
// The fill of a marked cell (0xRRGGBB), in the grids and in the workbook.
inline constexpr std::uint32_t kIsoCheckMarkedRgb = 0xFFC0C0;

// Only hourly and daily chromatograph data with the values as the chromatograph delivered them:
// with the other methods these values are computed from the composition already.
bool IsoCheckApplies(DataKind kind, const settings::ReportConfig& config);

// Adds the check to `view`, which was built from `set` with `config`; leaves the view as it is
// when the check does not apply.
void AddIsoCheck(DataView& view, const DataSet& set, const settings::ReportConfig& config);

// The view as it was before AddIsoCheck.
DataView WithoutIsoCheck(DataView view);

// (chromatograph − computed) / computed · 100; none unless both are numbers and computed is not 0.
std::optional<double> RelativeDifference(double chromatograph, double computed);

// The line under the table: "Отклонение от ISO 6976 более 0.05 %: записей 3".
std::string IsoCheckSummary(const IsoCheckColumns& check);

}  // namespace zor06::gasdata
