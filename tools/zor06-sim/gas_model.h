// What the chromatograph and the moisture meter measure: a plausible natural gas whose composition
// and moisture drift smoothly over hours, days and weeks, the same again for the same moment, run
// and seed, so that archives can be made up on request instead of stored.
#pragma once

#include <array>
#include <cstdint>

#include "gasdata/records.h"
#include "zor06-sim/wall_time.h"

namespace zor06::sim {

// The twenty values of a run's analysis at `at`; run 0 or 1.
gasdata::ChrValues GasAt(WallTime at, int run, std::uint64_t seed);

// WDP and HDP at working pressure °C, gauge pressure of the WDP measurement bar, WDP referred to
// absolute pressure °C, gauge pressure of the HDP measurement bar.
inline constexpr int kMoistureMomentaryValues = 5;
std::array<float, kMoistureMomentaryValues> MoistureAt(WallTime at, std::uint64_t seed);

}  // namespace zor06::sim
