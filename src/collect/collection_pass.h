// One collection pass over the stations: the Ethernet stations side by side, up to `jobs` at
// once, each with its own link and controller image; the telephone stations one call at a time
// through the one modem. The database has one writer.
#pragma once

#include <functional>
#include <vector>

#include "collect/station_collection.h"

namespace zor06::collect {

// Called as each station's collection ends, from the thread that collected it, one call at a
// time.
using StationDone = std::function<void(const StationReport&)>;

// The reports in the order of `targets`.
std::vector<StationReport> CollectPass(const std::vector<CollectionTarget>& targets,
                                       const PassSettings& pass, store::CollectionStore& store,
                                       int jobs, const StationDone& done = nullptr);

}  // namespace zor06::collect
