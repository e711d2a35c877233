// Texts in fixed-width Windows-1251 fields, as the editors show and store them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zor06::config {

// The field as UTF-8 with blanks and zero bytes trimmed at both ends.
std::string TrimmedField(std::span<const std::uint8_t> field);

// Copies the UTF-8 text, as Windows-1251, to the start of the field over `padding` bytes, cut to
// the field's width.
void StoreField(std::string_view utf8, std::span<std::uint8_t> field, std::uint8_t padding);

// Empty or only blanks.
bool Blank(std::string_view text);

// A whole decimal number typed in an entry field (blanks around it allowed); none when empty or
// not a number.
std::optional<long> ParseEntry(std::string_view text);

}  // namespace zor06::config
