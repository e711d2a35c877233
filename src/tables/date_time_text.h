// The controller's date-time as screens, messages and documents print it: two digits a part, the
// year without its century.
#pragma once

#include <string>

#include "bytes/controller_date_time.h"

namespace zor06::tables {

// "dd.mm.yy"
std::string DateText(const bytes::ControllerDateTime& dt);
// "hh:mm:ss"
std::string TimeText(const bytes::ControllerDateTime& dt);
// "dd.mm.yy hh:mm:ss"
std::string DateTimeText(const bytes::ControllerDateTime& dt);

}  // namespace zor06::tables
