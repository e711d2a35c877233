// What a freshly configured controller holds in its tables.
#pragma once

#include "zor06-sim/controller.h"
#include "zor06-sim/table_image.h"

namespace zor06::sim {

void FillDefaultTables(const ControllerConfig& config, TableImage* image);

}  // namespace zor06::sim
