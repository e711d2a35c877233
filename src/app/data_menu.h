// The "Данные" commands of the chromatograph and moisture-meter data: archive readings, saved
// data files and the moisture meter's momentary values.
#pragma once

#include "app/app_context.h"

#include "gasdata/data_set.h"

namespace zor06::app {

void AddDataMenus(AppContext& app, MenuBuilder& menus);

// The view of a data set read from the controller or opened from a file; the chart of a
// chromatograph set read from the controller draws the controller's warning setpoints.
void ShowDataSet(AppContext& app, const gasdata::DataSet& set, bool fromController);

}  // namespace zor06::app
