// The simulated controller keeps its tables in the same image layout as the program.
#pragma once

#include "tables/controller_image.h"

namespace zor06::sim {

using TableImage = tables::ControllerImage;

}  // namespace zor06::sim
