// How a measured single-precision value is shown in lists, views and printouts.
#pragma once

#include <string>

namespace zor06::text {

// "NAN" when the exponent bits are all ones, "0" for zero, otherwise fixed notation with 4
// decimals below 10 in absolute value, 3 below 100, 2 below 1000, 1 below 10000, none above.
std::string NumberText(float value);

// Wider than the text the rule gives any value below 100000 in magnitude: the room a field that
// shows such values takes.
inline constexpr char kWideNumberSample[] = "-12345.6";

}  // namespace zor06::text
