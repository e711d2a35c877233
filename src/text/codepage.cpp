#include "text/codepage.h"

#include <array>
#include <cstddef>

namespace zor06::text {
namespace {

using CodeMap = std::array<char16_t, 256>;
using ByteMap = std::array<std::uint8_t, 256>;

constexpr std::uint8_t kUnmapped = 0x5F;  // '_'

// Both sets keep ASCII in 00..7F. Windows-1251 has А..я at C0..FF; this lists 80..BF.
constexpr std::array<char16_t, 64> kCp1251Signs{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98: U+0098, unassigned
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// Code page 866 has letters at 80..AF and E0..EF; this lists the rest: B0..DF, then F0..FF.
constexpr std::array<char16_t, 64> kCp866Signs{
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,  // B0
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,  // C8
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,  // D0
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,  // D8
    0x0401, 0x0451, 0x0404, 0x0454, 0x0407, 0x0457, 0x040E, 0x045E,  // F0
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x2116, 0x00A4, 0x25A0, 0x00A0,  // F8
};

constexpr CodeMap MakeCp1251() {
    CodeMap map{};
    for (std::size_t b = 0; b < 0x80; ++b) {
        map[b] = static_cast<char16_t>(b);
    }
    for (std::size_t i = 0; i < 0x40; ++i) {
        map[0x80 + i] = kCp1251Signs[i];
        map[0xC0 + i] = static_cast<char16_t>(0x0410 + i);
    }
    return map;
}

constexpr CodeMap MakeCp866() {
    CodeMap map{};
    for (std::size_t b = 0; b < 0x80; ++b) {
        map[b] = static_cast<char16_t>(b);
    }
    for (std::size_t i = 0; i < 0x30; ++i) {
        map[0x80 + i] = static_cast<char16_t>(0x0410 + i);  // А..п
        map[0xB0 + i] = kCp866Signs[i];
    }
    for (std::size_t i = 0; i < 0x10; ++i) {
        map[0xE0 + i] = static_cast<char16_t>(0x0440 + i);  // р..я
        map[0xF0 + i] = kCp866Signs[0x30 + i];
    }
    return map;
}

constexpr CodeMap kCp1251 = MakeCp1251();
constexpr CodeMap kCp866 = MakeCp866();

// Byte ranges that take a fixed substitute instead of (or for lack of) the same character.
struct Substitute {
    std::uint8_t first;
    std::uint8_t last;
    std::uint8_t to;
};

constexpr Substitute kTo866[] = {
    {0xBB, 0xBB, 0x10}, {0xAB, 0xAB, 0x11}, {0xB6, 0xB6, 0x14}, {0xA7, 0xA7, 0x15},
    {0xAC, 0xAD, 0x2D}, {0xB2, 0xB2, 0x49}, {0xA9, 0xA9, 0x63}, {0xB3, 0xB3, 0x69},
    {0xAE, 0xAE, 0x72}, {0xA6, 0xA6, 0x7C}, {0x95, 0x95, 0xF9}, {0x80, 0x94, 0x5F},
    {0x96, 0xA0, 0x5F}, {0xA3, 0xA3, 0x5F}, {0xA5, 0xA5, 0x5F}, {0xB1, 0xB1, 0x5F},
    {0xB4, 0xB5, 0x5F}, {0xBC, 0xBE, 0x5F},
};

// Box drawing becomes '|', '+' or '-' by the shape of the glyph; shades and blocks become '_'.
constexpr Substitute kTo1251[] = {
    {0x0F, 0x0F, 0xA4}, {0x14, 0x14, 0xB6}, {0x15, 0x15, 0xA7}, {0xF9, 0xF9, 0x95},
    {0xB3, 0xB6, 0xA6}, {0xB9, 0xBA, 0xA6}, {0xC6, 0xC7, 0xA6}, {0xCC, 0xCC, 0xA6},
    {0xB7, 0xB8, 0x2B}, {0xBB, 0xC0, 0x2B}, {0xC3, 0xC3, 0x2B}, {0xC5, 0xC5, 0x2B},
    {0xC8, 0xC9, 0x2B}, {0xCE, 0xCE, 0x2B}, {0xD3, 0xDA, 0x2B}, {0xC1, 0xC2, 0x2D},
    {0xC4, 0xC4, 0x2D}, {0xCA, 0xCB, 0x2D}, {0xCD, 0xCD, 0x2D}, {0xCF, 0xD2, 0x2D},
    {0xB0, 0xB2, 0x5F}, {0xDB, 0xDF, 0x5F}, {0xFB, 0xFB, 0x5F}, {0xFE, 0xFF, 0x5F},
};

// Same character where the target set has it, '_' where it has not; the substitutes win over
// both.
template <std::size_t N>
constexpr ByteMap Translation(const CodeMap& from, const CodeMap& to, const Substitute (&subs)[N]) {
    ByteMap map{};
    for (std::size_t b = 0; b < 256; ++b) {
        map[b] = kUnmapped;
        for (std::size_t c = 0; c < 256; ++c) {
            if (to[c] == from[b]) {
                map[b] = static_cast<std::uint8_t>(c);
                break;
            }
        }
    }
    for (const Substitute& s : subs) {
        for (unsigned b = s.first; b <= s.last; ++b) {
            map[b] = s.to;
        }
    }
    return map;
}

constexpr ByteMap k1251To866 = Translation(kCp1251, kCp866, kTo866);
constexpr ByteMap k866To1251 = Translation(kCp866, kCp1251, kTo1251);

void Translate(std::span<std::uint8_t> text, const ByteMap& map) {
    for (std::uint8_t& b : text) {
        b = map[b];
    }
}

void AppendUtf8(std::string& out, char16_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one character at text[*pos] and advances past it; returns U+FFFD for a malformed
// sequence, consuming only its first byte.
char32_t NextCodePoint(std::string_view text, std::size_t* pos) {
    const auto lead = static_cast<unsigned char>(text[*pos]);
    std::size_t extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++*pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1FU;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0FU;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07U;
    } else {
        ++*pos;
        return 0xFFFD;
    }
    if (*pos + extra >= text.size()) {
        ++*pos;
        return 0xFFFD;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[*pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++*pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (next & 0x3FU);
    }
    *pos += extra + 1;
    return cp;
}

char Cp1251Byte(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<char>(cp);
    }
    for (std::size_t b = 0x80; b < 256; ++b) {
        if (kCp1251[b] == cp) {
            return static_cast<char>(b);
        }
    }
    return '?';
}

}  // namespace

void ToCp866(std::span<std::uint8_t> text) {
    Translate(text, k1251To866);
}

void ToCp1251(std::span<std::uint8_t> text) {
    Translate(text, k866To1251);
}

std::string Cp1251ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        AppendUtf8(out, kCp1251[static_cast<unsigned char>(c)]);
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        out.push_back(Cp1251Byte(NextCodePoint(text, &pos)));
    }
    return out;
}

}  // namespace zor06::text
