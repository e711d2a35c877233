// Setting the controller's clock (table 2) from the PC's local time.
#pragma once

#include "tables/table_service.h"

namespace zor06::tables {

// Fills fields 0..7 of table 2 from the PC's local time, its weekday and the summer/winter time
// type by the rules of table 6 in the image, then writes them.
bool WritePcTime(TableContext& ctx);

}  // namespace zor06::tables
