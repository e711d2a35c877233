// The moisture meter's 3-minute and hourly/daily views without their widgets: one row of cell
// texts per record. They have no averages and no hidden columns.
#pragma once

#include <array>

#include "gasdata/data_set.h"
#include "gasdata/data_view.h"
#include "gasdata/records.h"

namespace zor06::gasdata {

// The heading lines and unit of each moisture value, the same in every moisture view.
const std::array<ColumnHeading, kWmtValues>& WmtValueHeadings();

// The view cell of a moisture value: its number text behind two blanks.
std::string WmtNumberCell(float value);

// Left columns: date, time, state, status word (3-minute); date, start, end, status
// (hourly/daily). A data set of the chromatograph gives an empty view.
DataView WmtDataView(const DataSet& set);

}  // namespace zor06::gasdata
