// The controller's clock as a count of seconds, for the data archives' arithmetic: the local date
// and time as the clock reads them, from 01.01.2000 00:00:00, without summer/winter shifts, so that
// every archive slot has one number.
#pragma once

#include <cstdint>

#include "tables/controller_date.h"

namespace zor06::sim {

using WallTime = std::int64_t;

constexpr WallTime kSecondsPerHour = 3600;
constexpr WallTime kSecondsPerDay = 86400;

WallTime ToWallTime(const bytes::ControllerDateTime& dt);
bytes::ControllerDateTime FromWallTime(WallTime t);

// Rounds towards minus infinity, as slots before 2000 still need a number.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b);
std::int64_t CeilDiv(std::int64_t a, std::int64_t b);

// `dt` so many calendar months earlier; a day that month lacks becomes the 1st of the next.
bytes::ControllerDateTime MonthsBack(bytes::ControllerDateTime dt, int months);

}  // namespace zor06::sim
