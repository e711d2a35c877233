// The summary of a collection pass: one line per station, or one JSON array.
#pragma once

#include <span>
#include <string>

#include "collect/station_collection.h"

namespace zor06::ctl {

// "3min:1" for a chromatograph run, the archive's name alone otherwise.
std::string CountLabel(const store::ArchiveCount& count);

std::string StationReportsText(std::span<const collect::StationReport> reports, bool json);

}  // namespace zor06::ctl
