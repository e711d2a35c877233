// The 22 baud rates: their order is the index used by the parameter dialog, by the controller's
// upper-level link table and by the device search.
#pragma once

#include <array>
#include <optional>

namespace zor06::link {

constexpr std::array<int, 22> kBaudRates{300,   600,   1200,  2400,  3200,   3600,  4800,  5760,
                                         6400,  7200,  7680,  9600,  11520,  12800, 14400, 19200,
                                         23040, 28800, 38400, 57600, 115200, 230400};

// Position of `rate` in the list, or none.
std::optional<int> RateToIndex(int rate);
// The rate at `index`, or 0 for an index outside 0..21.
int IndexToRate(int index);

}  // namespace zor06::link
