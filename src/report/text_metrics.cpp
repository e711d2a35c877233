#include "report/text_metrics.h"

#include <algorithm>

#include "report/glyph_advances.h"

namespace zor06::report {
namespace {

// Rounding of the sums must not push a text that fits exactly over its width.
constexpr double kTolerance = 1e-6;

bool Continues(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The code point starting at `at`, and `at` moved past it; a broken sequence counts as one
// unknown character per byte.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = more == 0 ? lead : lead & (0x3F >> more);
    for (int i = 0; i < more && at < utf8.size() && Continues(utf8[at]); ++i) {
        c = (c << 6) | (static_cast<unsigned char>(utf8[at++]) & 0x3F);
    }
    return c;
}

double Millimetres(double ems, const Font& font) {
    return ems * font.size * kMillimetresPerPoint;
}

// The longest prefix (in bytes, at least one character) of `word` that fits `width`.
std::size_t FittingBytes(std::string_view word, const Font& font, double width) {
    double ems = 0;
    std::size_t end = 0;
    for (std::size_t at = 0; at < word.size();) {
        std::size_t next = at;
        ems += Advance(NextCodePoint(word, next), font);
        if (end > 0 && Millimetres(ems, font) > width + kTolerance) {
            break;
        }
        end = at = next;
    }
    return end;
}

// Appends `word` and the blanks before it to the last line when they still fit there; otherwise
// the word begins a new line without them, broken where it alone is too wide.
void Place(std::string_view gap, std::string_view word, const Font& font, double width,
           std::vector<std::string>& lines) {
    std::string& last = lines.back();
    const std::string joined = last + std::string(gap) + std::string(word);
    if (TextWidth(joined, font) <= width + kTolerance) {
        last = joined;
        return;
    }
    if (word.empty()) {
        return;
    }
    if (!last.empty()) {
        lines.emplace_back();
    }
    while (TextWidth(word, font) > width + kTolerance) {
        const std::size_t n = FittingBytes(word, font, width);
        lines.back() = std::string(word.substr(0, n));
        lines.emplace_back();
        word.remove_prefix(n);
    }
    lines.back() = std::string(word);
}

}  // namespace

double TextWidth(std::string_view utf8, const Font& font) {
    double ems = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        ems += Advance(NextCodePoint(utf8, at), font);
    }
    return Millimetres(ems, font);
}

std::vector<std::string> WrapText(std::string_view utf8, const Font& font, double width) {
    if (TextWidth(utf8, font) <= width + kTolerance) {
        return {std::string(utf8)};
    }
    std::vector<std::string> lines(1);
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t word = std::min(utf8.find_first_not_of(' ', at), utf8.size());
        const std::size_t end = std::min(utf8.find(' ', word), utf8.size());
        Place(utf8.substr(at, word - at), utf8.substr(word, end - word), font, width, lines);
        at = end;
    }
    return lines;
}

}  // namespace zor06::report
