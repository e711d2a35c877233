// A column heading of the data views on one line, for the places that have no room for the
// grid's three heading lines: CSV, zor06ctl's JSON, the chart's legend.
#pragma once

#include <string>

#include "gasdata/data_view.h"

namespace zor06::gasdata {

// The heading lines joined: "МД", "метана,", " " -> "МД метана".
std::string HeadingName(const ColumnHeading& heading);

// The name and the unit: "МД метана, %", "Фактор сжимаемости".
std::string HeadingText(const ColumnHeading& heading);

}  // namespace zor06::gasdata
