#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::ctl {

// "49 0A FF": upper-case bytes separated by blanks.
std::string ToHex(std::span<const std::uint8_t> bytes);

// Hex digits, optionally separated by blanks, colons or dashes; none on odd digits or junk.
std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text);

// A whole decimal number in [min, max].
std::optional<int> ParseInt(std::string_view text, int min, int max);

}  // namespace zor06::ctl
