#include "report/column_fit.h"

#include <algorithm>
#include <numeric>

#include "report/text_metrics.h"

namespace zor06::report {
namespace {

double WidestWord(std::string_view text, const Font& font) {
    double widest = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t word = std::min(text.find_first_not_of(' ', at), text.size());
        const std::size_t end = std::min(text.find(' ', word), text.size());
        widest = std::max(widest, TextWidth(text.substr(word, end - word), font));
        at = end;
    }
    return widest;
}

// Words seldom part a text in its middle: half its width and a little more holds it on two
// lines.
constexpr double kTwoLinesSlack = 1.15;

// A number broken anywhere still needs room for one character on a line.
double FirstCharacter(std::string_view text, const Font& font) {
    std::size_t end = text.empty() ? 0 : 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        ++end;
    }
    return TextWidth(text.substr(0, end), font);
}

using Level = double ColumnNeed::*;

double Sum(const std::vector<ColumnNeed>& needs, Level level) {
    return std::accumulate(needs.begin(), needs.end(), 0.0,
                           [&](double sum, const ColumnNeed& n) { return sum + n.*level; });
}

// Every column shrinks from `from` towards `to` in proportion to the room between them, so that
// the widths add up to `total`.
std::vector<double> Shrink(const std::vector<ColumnNeed>& needs, Level from, Level to,
                           double total) {
    const double over = Sum(needs, from) - total;
    const double room = Sum(needs, from) - Sum(needs, to);
    std::vector<double> widths;
    for (const ColumnNeed& n : needs) {
        widths.push_back(n.*from - (n.*from - n.*to) * over / room);
    }
    return widths;
}

std::vector<double> Scale(const std::vector<ColumnNeed>& needs, Level level, double total) {
    const double sum = Sum(needs, level);
    std::vector<double> widths;
    for (const ColumnNeed& n : needs) {
        widths.push_back(sum > 0 ? n.*level * total / sum
                                 : total / static_cast<double>(needs.size()));
    }
    return widths;
}

}  // namespace

void ColumnNeed::Hold(std::string_view text, const Font& font, Breaks breaks) {
    const double whole = TextWidth(text, font) + 2 * kCellPadding;
    const double word = WidestWord(text, font) + 2 * kCellPadding;
    widest = std::max(widest, whole);
    // A name gives up room only down to about two lines before the numbers have to break.
    const double twoLines = std::max(word, whole / 2 * kTwoLinesSlack + kCellPadding);
    least = std::max(least, breaks == Breaks::AtBlanks ? twoLines : whole);
    floor = std::max(floor, breaks == Breaks::Never ? whole
                            : breaks == Breaks::AtBlanks
                                ? word
                                : FirstCharacter(text, font) + 2 * kCellPadding);
}

std::vector<double> FitColumns(const std::vector<ColumnNeed>& needs, double total) {
    if (Sum(needs, &ColumnNeed::widest) <= total) {
        return Scale(needs, &ColumnNeed::widest, total);
    }
    if (Sum(needs, &ColumnNeed::least) < total) {
        return Shrink(needs, &ColumnNeed::widest, &ColumnNeed::least, total);
    }
    if (Sum(needs, &ColumnNeed::floor) < total) {
        return Shrink(needs, &ColumnNeed::least, &ColumnNeed::floor, total);
    }
    return Scale(needs, &ColumnNeed::floor, total);
}

}  // namespace zor06::report
