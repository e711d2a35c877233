// Text encodings of the controller world: names on the wire and in files are Windows-1251, older
// controllers keep them in code page 866; inside the program text is UTF-8.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zor06::text {

// In-place conversion between Windows-1251 and code page 866. A character both sets have keeps its
// identity; the rest become a look-alike or '_'.
void ToCp866(std::span<std::uint8_t> text);
void ToCp1251(std::span<std::uint8_t> text);

std::string Cp1251ToUtf8(std::string_view text);
// Characters Windows-1251 lacks, and malformed UTF-8, become '?'.
std::string Utf8ToCp1251(std::string_view text);

}  // namespace zor06::text
