// The view of any chromatograph or moisture-meter data set, by the kind of the set.
#pragma once

#include "gasdata/data_set.h"
#include "gasdata/data_view.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

// The report settings matter to the chromatograph views only.
DataView BuildDataView(const DataSet& set, const settings::ReportConfig& config);

}  // namespace zor06::gasdata
