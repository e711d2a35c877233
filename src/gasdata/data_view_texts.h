// Texts the chromatograph and moisture-meter views share: the period of the caption, the run
// name and the end of an averaging interval.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dataset/data_set_header.h"
#include "gasdata/data_kind.h"

namespace zor06::gasdata {

// "за период ..." of a view's caption, from the header's start and end, at the kind's step.
std::string PeriodCaption(DataKind kind, const dataset::HdmHeader& header);

// The run name of the header, blanks trimmed.
std::string RunName(const dataset::HdmHeader& header);

// The end of an hourly or daily interval. The daily archive flags the hour byte with bit 7;
// a daily end without the flag is marked with a star.
struct IntervalEnd {
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool star = false;
};
IntervalEnd EndOfInterval(const std::array<std::uint8_t, 3>& end, bool daily);

// "   hh:mm:ss", with the star when the end has one.
std::string EndTimeCell(const IntervalEnd& end);

}  // namespace zor06::gasdata
