// The names of table 5: the controller and its two chromatograph runs.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "config/editor.h"

namespace zor06::config {

inline constexpr std::size_t kNameBytes = 20;
inline constexpr std::size_t kNamesBytes = 3 * kNameBytes;

// UTF-8 texts as the screen shows them, blanks trimmed.
using Names = std::array<std::string, 3>;

Names FillNames(std::span<const std::uint8_t, kNamesBytes> target);

// Every name must be given; each is stored from the start of its record, zero-filled behind it
// (no terminator at 20 characters; longer texts are cut).
Refusal AcceptNames(const Names& names, std::span<std::uint8_t, kNamesBytes> target);

}  // namespace zor06::config
