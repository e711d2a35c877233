// Orders names the way people number devices: ttyS2 before ttyS10.
#pragma once

#include <string_view>

namespace zor06::platform {

// Compares runs of digits by value and everything else character by character.
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace zor06::platform
