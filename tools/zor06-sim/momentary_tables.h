// The tables of the latest analysis: the momentary values of both runs (30, 38), their moving
// averages with the moisture meter's (36, 40) and the moisture meter's momentary values (37),
// all from the newest 3-minute slot of the controller's clock.
#pragma once

#include <cstdint>

#include "tables/controller_date.h"
#include "zor06-sim/table_image.h"

namespace zor06::sim {

void FillMomentaryTables(const bytes::ControllerDateTime& now, std::uint64_t seed,
                         TableImage* image);

}  // namespace zor06::sim
