#include "report/text_metrics.h"

namespace zor06::report {
namespace {

// Rounding of the estimates must not push a text that fits exactly over its width.
constexpr double kTolerance = 1e-6;
constexpr std::string_view kEllipsis = "…";

bool StartsCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8) {
        n += StartsCharacter(c) ? 1 : 0;
    }
    return n;
}

// Byte length of the first `chars` characters.
std::size_t PrefixBytes(std::string_view utf8, std::size_t chars) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (StartsCharacter(utf8[i]) && seen++ == chars) {
            return i;
        }
    }
    return utf8.size();
}

// The longest prefix (in characters) whose estimate with `tail` fits `width`.
std::size_t FittingPrefix(std::string_view utf8, const Font& font, double width,
                          std::string_view tail) {
    const double perChar = TextWidth("x", font);
    const double room = width - TextWidth(tail, font);
    if (room <= 0) {
        return 0;
    }
    const auto fit = static_cast<std::size_t>(room / perChar + kTolerance);
    return std::min(fit, CharacterCount(utf8));
}

}  // namespace

double CharacterShare(const Font& font) {
    // DejaVu Sans Mono advances 0.602 em; DejaVu Sans averages a little under that over
    // Cyrillic and digits, bold a little over.
    if (font.family == FontFamily::Mono) {
        return 0.602;
    }
    return font.bold ? 0.64 : 0.58;
}

double TextWidth(std::string_view utf8, const Font& font) {
    return static_cast<double>(CharacterCount(utf8)) * CharacterShare(font) * font.size *
           kMillimetresPerPoint;
}

std::string Elide(std::string_view utf8, const Font& font, double width) {
    if (TextWidth(utf8, font) <= width + kTolerance) {
        return std::string(utf8);
    }
    const std::size_t keep = FittingPrefix(utf8, font, width, kEllipsis);
    return std::string(utf8.substr(0, PrefixBytes(utf8, keep))) + std::string(kEllipsis);
}

}  // namespace zor06::report
