#include "text/cp1251_text.h"

#include <array>
#include <cstdint>

#include "text/codepage.h"

namespace zor06::text {
namespace {

using UpperMap = std::array<std::uint8_t, 256>;

// Lower-case letters of 80..BF and their capitals; the rest of Cyrillic is E0..FF -> C0..DF.
constexpr std::pair<std::uint8_t, std::uint8_t> kUpperPairs[] = {
    {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
    {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5},
    {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD},
};

constexpr UpperMap MakeUpperMap() {
    UpperMap map{};
    for (std::size_t b = 0; b < map.size(); ++b) {
        map[b] = static_cast<std::uint8_t>(b);
    }
    for (std::size_t b = 'a'; b <= 'z'; ++b) {
        map[b] = static_cast<std::uint8_t>(b - 0x20);
    }
    for (std::size_t b = 0xE0; b <= 0xFF; ++b) {
        map[b] = static_cast<std::uint8_t>(b - 0x20);
    }
    for (const auto& [lower, upper] : kUpperPairs) {
        map[lower] = upper;
    }
    return map;
}

constexpr UpperMap kUpper = MakeUpperMap();

}  // namespace

std::string CutToField(std::string_view utf8, std::size_t maxChars) {
    std::string bytes = text::Utf8ToCp1251(utf8);
    if (bytes.size() > maxChars) {
        bytes.resize(maxChars);
    }
    return text::Cp1251ToUtf8(bytes);
}

std::string UpperCp1251(std::string_view cp1251) {
    std::string out(cp1251);
    for (char& c : out) {
        c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
    }
    return out;
}

}  // namespace zor06::text
