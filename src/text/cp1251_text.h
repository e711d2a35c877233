// Texts as the settings files and list records keep them: Windows-1251 fields of fixed width,
// compared without regard to case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zor06::text {

// Cuts a UTF-8 text to at most `maxChars` Windows-1251 characters, what a zero-terminated field of
// maxChars + 1 bytes holds. Characters Windows-1251 lacks come back as '?', as the file keeps them.
std::string CutToField(std::string_view utf8, std::size_t maxChars);

// Upper case of Windows-1251 text, byte by byte: Latin and Cyrillic letters, Ё and the Ukrainian
// and Serbian letters.
std::string UpperCp1251(std::string_view cp1251);

}  // namespace zor06::text
