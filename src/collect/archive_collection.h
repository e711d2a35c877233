// Collecting one archive of a connected, identified controller: what is new since the newest
// record the database holds (or, the first time, since the date asked for or the archive's
// oldest record), read in batches through the same readings as the program's, each batch stored
// in one transaction, so that a collection cut short resumes where the database ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "bytes/controller_date_time.h"
#include "collect/collecting_operator.h"
#include "collect/store_access.h"
#include "gasdata/data_kind.h"
#include "messages/archive_kind.h"
#include "tables/table_service.h"

namespace zor06::collect {

struct StationCollection {
    tables::TableContext& tables;
    const CollectingOperator& op;      // the operator of `tables`
    std::filesystem::path workFolder;  // the readings' work files
    std::string station;
    std::optional<bytes::ControllerDateTime> since;  // a first collection starts here
    StoreAccess& store;
};

struct ArchiveOutcome {
    store::ArchiveCount count;
    std::optional<std::string> failure;  // why the archive was not read to its newest record
};

// Records a reading takes in one batch, per archive step: a day of 3-minute records, twenty
// days of hours, over a year of days; messages a few hundred at a time.
inline constexpr int kBatchSteps = 480;
inline constexpr std::uint32_t kMessageBatch = 500;

// `run` 0 or 1 for the chromatograph, 0 for the moisture meter.
ArchiveOutcome CollectDataArchive(StationCollection& c, gasdata::DataKind kind, int run);
ArchiveOutcome CollectMessageArchive(StationCollection& c, messages::Archive archive);

// Why the last step failed: the link's status text when a request failed, else what the
// operator was last shown.
std::string FailureText(const StationCollection& c);

}  // namespace zor06::collect
