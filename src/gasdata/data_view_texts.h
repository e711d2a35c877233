// Texts the chromatograph and moisture-meter views share: the caption's first word and period,
// the left-hand headings, the run name and the end of an averaging interval.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_set_header.h"
#include "gasdata/data_kind.h"
#include "gasdata/data_view.h"

namespace zor06::gasdata {

// "Мгновенные", "Часовые" or "Суточные": a view's caption begins with the kind's step.
const char* StepTitle(DataKind kind);

// "за период ..." of a view's caption, from the header's start and end, at the kind's step.
std::string PeriodCaption(DataKind kind, const dataset::HdmHeader& header);

// The words in which the devices' left-hand headings differ.
struct LeftHeadingWords {
    std::string_view device;     // under "Признаки состояния" of the 3-minute view
    std::string_view dateLine;   // under "Дата" of the interval views
    std::string_view startLine;  // under the first "Время"
    std::string_view endLine;    // under the second
};
// Date, time (the 3-minute view) or start and end (the interval views), the controller's status
// and, in the 3-minute view, the device's state signs.
std::vector<ColumnHeading> LeftHeadings(bool threeMinute, const LeftHeadingWords& words);

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
