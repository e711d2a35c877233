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

double Sum(const std::vector<ColumnNeed>& needs, double ColumnNeed::*which) {
    return std::accumulate(needs.begin(), needs.end(), 0.0,
                           [&](double sum, const ColumnNeed& n) { return sum + n.*which; });
}

}  // namespace

void ColumnNeed::Hold(std::string_view text, const Font& font, bool wraps) {
    const double whole = TextWidth(text, font) + 2 * kCellPadding;
    widest = std::max(widest, whole);
    least = std::max(least, wraps ? WidestWord(text, font) + 2 * kCellPadding : whole);
}

std::vector<double> FitColumns(const std::vector<ColumnNeed>& needs, double total) {
    std::vector<double> widths;
    const double widest = Sum(needs, &ColumnNeed::widest);
    const double least = Sum(needs, &ColumnNeed::least);
    for (const ColumnNeed& n : needs) {
        if (widest <= total) {
            widths.push_back(widest > 0 ? n.widest * total / widest
                                        : total / static_cast<double>(needs.size()));
        } else if (least < total) {
            const double give = (n.widest - n.least) / (widest - least);
            widths.push_back(n.widest - give * (widest - total));
        } else {
            widths.push_back(n.least * total / least);
        }
    }
    return widths;
}

}  // namespace zor06::report
