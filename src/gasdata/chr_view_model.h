// The 3-minute and the hourly/daily chromatograph views without their widgets: every record
// converted for display after the report settings and turned into its row of cell texts, with
// the averages of the records that count.
#pragma once

#include "gasdata/data_set.h"
#include "gasdata/data_view.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

// Left columns: date, time, state, status word (3-minute); date, start, end, status
// (hourly/daily). A data set of the moisture meter gives an empty view.
DataView ChrDataView(const DataSet& set, const settings::ReportConfig& config);

}  // namespace zor06::gasdata
