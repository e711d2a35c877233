// The trend lines of a data view's value columns: each column's numbers over the records'
// times, broken wherever the grid shows no number or the archive misses a record, so that a
// chart draws gaps where there were no data and never joins across them or drops to zero.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gasdata/data_view.h"
#include "gasdata/records.h"

namespace zor06::gasdata {

struct ChartPoint {
    std::int64_t seconds = 0;  // on the controller's clock, from 01.01.2000 00:00:00
    double value = 0;
    bool operator==(const ChartPoint&) const = default;
};

// Points drawn as one unbroken line.
using ChartSegment = std::vector<ChartPoint>;

struct ChartSeries {
    int column = 0;
    std::string name;  // the column's heading lines on one line
    std::string unit;  // empty for values without a unit
    std::vector<ChartSegment> segments;
};

// Nothing for a date no calendar has (a month 13, a 30th of February, an hour 25).
std::optional<std::int64_t> ClockSeconds(const bytes::ControllerDateTime& date);

// The time between two records of the archive: 3 minutes, an hour or a day.
std::int64_t StepSeconds(DataKind kind);

// The line of value column `column` (display order). A row without a number or without a
// trustworthy time ends a segment, and so does a step of more than one and a half of the
// archive's steps (a missing record; the controller clock's drift of a few seconds is no
// gap) or a step back in time.
ChartSeries BuildChartSeries(const DataView& view, int column);

}  // namespace zor06::gasdata
