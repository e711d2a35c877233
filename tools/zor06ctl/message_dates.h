// Dates typed on the command line for a reading by period.
#pragma once

#include <optional>
#include <string_view>

#include "dataset/data_set_header.h"

namespace zor06::ctl {

// "DD.MM.YY HH:MM:SS"; the year may have four digits (2000..2255) and the seconds may be left
// out. None for anything else or a date that does not exist.
std::optional<bytes::ControllerDateTime> ParseMessageDate(std::string_view text);

}  // namespace zor06::ctl
