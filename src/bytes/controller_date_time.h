// The controller's compact date-time as its tables, archive records and the data files hold it.
#pragma once

#include <array>
#include <cstdint>

namespace zor06::bytes {

// Year - 2000, month, day, hour, minute, second. The 5-, 4- and 3-byte forms used by the archives
// are prefixes of it; a caller holding a shorter form leaves the remaining bytes 0.
using ControllerDateTime = std::array<std::uint8_t, 6>;

}  // namespace zor06::bytes
