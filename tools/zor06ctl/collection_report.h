// The summary of a collection pass: one line per station, or one JSON array.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "collect/station_collection.h"

namespace zor06::ctl {

// "3min:1" for a chromatograph run, the archive's name alone otherwise.
std::string CountLabel(const store::ArchiveCount& count);

// Appends `item` to a list, after `separator` when the list holds something already.
void AppendItem(std::string& list, std::string_view separator, const std::string& item);

// "3min:1=480 hour:1=24", or with `json` the members "\"3min:1\": 480, ...".
std::string CountsText(std::span<const store::ArchiveCount> counts, bool json);

std::string StationReportsText(std::span<const collect::StationReport> reports, bool json);

}  // namespace zor06::ctl
