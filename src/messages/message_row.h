// One row of a message view: the seven cell texts, in the order of the view's columns.
#pragma once

#include <array>
#include <string>

namespace zor06::messages {

inline constexpr std::size_t kCellCount = 7;
using MessageRow = std::array<std::string, kCellCount>;

// Interventions: date, time, parameter, old value, new value, unit, user.
// Diagnostics: date, time, event, object or reason, current value, setpoint, unit.
enum Cell : std::size_t { kDate = 0, kTime = 1 };

// The date cell of a record whose checksum does not match; its other cells stay empty.
inline constexpr const char* kInvalidDate = "   ***";

}  // namespace zor06::messages
