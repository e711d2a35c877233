// Reading a period of a chromatograph or moisture-meter data archive: the bounds, the period the
// operator chooses, the requests behind the reading wait window and the data set for the view.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "archive/reading_end.h"
#include "gasdata/archive_bounds.h"
#include "gasdata/data_set.h"
#include "messages/dialog_verdict.h"

namespace zor06::gasdata {

// The period dialog: the archive's step, its bounds and the controller clock just read; nothing
// when the operator cancels.
using ChoosePeriod = std::function<std::optional<messages::Period>(
    Step, const ArchiveBounds&, const bytes::ControllerDateTime& now)>;
using ShowDataSet = std::function<void(const DataSet&)>;

struct DataReadingContext {
    tables::TableContext& tables;
    std::filesystem::path workDirectory;  // where datafile.hdm is made anew
    ChoosePeriod choosePeriod;
    ShowDataSet view;  // called once when there is something to show
    // The full progress bar stays a moment for the operator to see; nobody watches a collection.
    bool pauseWhenDone = true;
};

inline constexpr char kWorkFile[] = "datafile.hdm";

// The whole reading command for `kind` and chromatograph run 0 or 1 (0 for the moisture meter).
archive::ReadingEnd ReadDataArchive(DataReadingContext& ctx, DataKind kind, int run);

struct DataReading {
    std::optional<DataSet> set;  // when there is something to show
    archive::ReadingEnd end = archive::ReadingEnd::NothingShown;
    bool linkFailed = false;  // nothing read because a request failed, rather than no data
};

// The requests from `start` to `end` (the significant bytes of the archive's dates), after the
// bounds and period checks. The header holds the period asked for, or for a reading cut short
// the part of it up to the latest record read.
DataReading ReadDataPeriod(DataReadingContext& ctx, DataKind kind, int run,
                           const bytes::ControllerDateTime& start,
                           const bytes::ControllerDateTime& end);

// The data of a request of archive `k` for `run` from `start` to `end`, the dates cut to the
// archive's significant bytes.
std::vector<std::uint8_t> ArchiveRequestData(const DataArchiveKind& k, int run,
                                             const bytes::ControllerDateTime& start,
                                             const bytes::ControllerDateTime& end);

// The expected date after a record dated `record` when `expected` was expected. 3-minute and
// hourly data: one step after the record, never earlier than what was already expected. Daily
// data: one day on, or the record's own day when it lies further on.
bytes::ControllerDateTime NextExpected(DataKind kind, const bytes::ControllerDateTime& expected,
                                       const bytes::ControllerDateTime& record);

// One step of the archive on from `date`: 3 minutes, an hour or a day.
bytes::ControllerDateTime StepOnce(Step step, const bytes::ControllerDateTime& date);
// The first `bytes` bytes of `date`, the rest 0: a date as a request of the archive carries it.
bytes::ControllerDateTime Significant(const bytes::ControllerDateTime& date, std::size_t bytes);

// Whether a record dated `record` lies where the reading expects it.
bool InAllowedWindow(DataKind kind, const bytes::ControllerDateTime& expected,
                     const bytes::ControllerDateTime& end, const bytes::ControllerDateTime& record);
// Whether a record dated `record` can answer a request from `from` to `end`: within them at the
// archive's step, a daily record a day either side.
bool InRequestedPeriod(DataKind kind, const bytes::ControllerDateTime& from,
                       const bytes::ControllerDateTime& end,
                       const bytes::ControllerDateTime& record);

}  // namespace zor06::gasdata
