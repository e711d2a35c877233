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

std::vector<std::string> Wrap(std::string_view utf8, const Font& font, double width) {
    std::vector<std::string> lines;
    std::string line;
    auto flush = [&] {
        lines.push_back(line);
        line.clear();
    };
    std::size_t pos = 0;
    while (pos <= utf8.size()) {
        const std::size_t blank = std::min(utf8.find(' ', pos), utf8.size());
        std::string_view word = utf8.substr(pos, blank - pos);
        pos = blank + 1;
        if (word.empty()) {
            continue;
        }
        const std::string joined =
            line.empty() ? std::string(word) : line + ' ' + std::string(word);
        if (TextWidth(joined, font) <= width + kTolerance) {
            line = joined;
            continue;
        }
        if (!line.empty()) {
            flush();
        }
        while (TextWidth(word, font) > width + kTolerance) {
            const std::size_t keep = std::max<std::size_t>(1, FittingPrefix(word, font, width, ""));
            const std::size_t bytes = PrefixBytes(word, keep);
            line = std::string(word.substr(0, bytes));
            flush();
            word.remove_prefix(bytes);
        }
        line = std::string(word);
    }
    if (!line.empty() || lines.empty()) {
        flush();
    }
    return lines;
}

}  // namespace zor06::report
