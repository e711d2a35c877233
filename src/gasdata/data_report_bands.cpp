#include "gasdata/data_report_bands.h"

#include <algorithm>

#include "gasdata/exported_cells.h"
#include "report/page_bands.h"

namespace zor06::gasdata {
namespace {

using report::Align;
using report::Band;
using report::kListLineFont;

constexpr double kBandHeight = 5;
constexpr std::size_t kTitleLine = 2;  // what was printed, the one line in bold

}  // namespace

Band TitleBand(const std::vector<std::string>& lines, double width) {
    return report::ListTitle(lines, width, [](std::size_t line) { return line == kTitleLine; });
}

Band PageHeaderBand(std::string_view controller, double width) {
    Band band;
    band.height = kBandHeight;
    band.texts.push_back({std::string(controller), {0, 0, width, 4}, kListLineFont, Align::Right});
    return band;
}

Band PageFooterBand(double width) {
    Band band;
    band.height = kBandHeight;
    band.texts.push_back(
        {std::string("Лист ") + report::kPagePlaceholder + " из " + report::kPageCountPlaceholder,
         {0, 1, width, 4},
         kListLineFont,
         Align::Right});
    return band;
}

Band HeadingBand(const std::vector<PrintColumn>& columns, const PrintStyle& style) {
    Band band;
    band.height = style.headingLineHeight * static_cast<double>(style.headingLines) + 1;
    double x = 0;
    for (const PrintColumn& c : columns) {
        band.frames.push_back({{x, 0, c.width, band.height}});
        const std::size_t lines = std::min(c.heading.size(), style.headingLines);
        for (std::size_t l = 0; l < lines; ++l) {
            if (!TrimBlanks(c.heading[l]).empty()) {
                band.texts.push_back({c.heading[l],
                                      {x, 0.5 + style.headingLineHeight * static_cast<double>(l),
                                       c.width, style.headingLineHeight},
                                      style.headingFont,
                                      Align::Center});
            }
        }
        x += c.width;
    }
    return band;
}

report::Table RowsTable(const std::vector<PrintColumn>& columns,
                        std::vector<std::vector<std::string>> rows, const PrintStyle& style) {
    report::Table table;
    for (const PrintColumn& c : columns) {
        table.columns.push_back({"", c.width, Align::Center});
    }
    table.maxRowsPerPage = static_cast<int>(rows.size());
    table.rows = std::move(rows);
    table.rowFont = style.rowFont;
    table.rowHeight = style.rowHeight;
    table.heading = HeadingBand(columns, style);
    return table;
}

}  // namespace zor06::gasdata
