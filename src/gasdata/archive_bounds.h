// Which dates of a data archive can still be requested, worked out from the controller's own
// tables, and the last check of a 3-minute period against the controller clock before it is read.
#pragma once

#include <optional>

#include "gasdata/data_kind.h"
#include "gasdata/records.h"
#include "messages/archive_bounds.h"
#include "tables/table_service.h"

namespace zor06::gasdata {

using messages::ArchiveBounds;

struct BoundsReading {
    ArchiveBounds bounds;
    bytes::ControllerDateTime firstRecord{};  // table 27, the daily flag cleared
    bool firstDayFlag = false;          // daily archives: bit 7 of the first record's seconds byte
    bytes::ControllerDateTime clock{};  // the controller clock the bounds were worked out from
};

// Reads tables 27, 2 and 6; reports to the operator and gives nothing when they do not give a
// usable period.
std::optional<BoundsReading> GetArchiveBounds(tables::TableContext& ctx, Step step);

// The bounds as of controller clock `clock` for an archive whose first record is `first`, the
// contract hour from table 6. Nothing when no record is available yet.
std::optional<ArchiveBounds> BoundsAt(Step step, const bytes::ControllerDateTime& clock,
                                      const bytes::ControllerDateTime& first, bool firstDayFlag,
                                      int contractHour);

// Before a 3-minute reading from `start` to `end` (minutes already multiples of 3): a period
// close to the oldest record is checked against the controller clock and may be moved forward
// with the operator's consent. False when the reading must not start.
bool CheckMinutePeriod(tables::TableContext& ctx, const BoundsReading& reading,
                       bytes::ControllerDateTime& start, bytes::ControllerDateTime& end);

// How many rounds of waiting for the controller's next record the check makes at most.
inline constexpr int kMinuteCheckRounds = 4;

// The minute cut down to a multiple of 3, the second 0.
bytes::ControllerDateTime TruncateToThreeMinutes(bytes::ControllerDateTime dt);

}  // namespace zor06::gasdata
