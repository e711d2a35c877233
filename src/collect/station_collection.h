// One station's collection: connect by its subscriber's stored link parameters, identify the
// controller, note it in the database, then collect each archive it has; the log entry is made
// when the collection starts and completed when it ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bytes/controller_date_time.h"
#include "collect/collection_targets.h"
#include "collect/store_access.h"
#include "settings/settings_types.h"

namespace zor06::collect {

// What every station's collection of a pass shares.
struct PassSettings {
    const settings::ProgramSettings& program;  // conn.ini and the subscriber lists
    std::optional<bytes::ControllerDateTime> since;
};

struct StationReport {
    std::string station;
    bool ok = false;
    std::string outcome;                      // "ok" or why the collection failed
    std::vector<store::ArchiveCount> counts;  // each archive read, in reading order
    double seconds = 0;
    std::int64_t lineBytes = 0;  // sent and received
};

StationReport CollectStation(const CollectionTarget& target, const PassSettings& pass,
                             StoreAccess& store);

}  // namespace zor06::collect
