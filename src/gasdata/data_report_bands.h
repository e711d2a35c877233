// The bands the printed data reports are made of: title, page header and footer, the headings of
// a set of columns and the table of their rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/header_name.h"
#include "report/document.h"

namespace zor06::gasdata {

struct PrintColumn {
    double width = 0;
    std::vector<std::string> heading;  // the heading lines from the top, then the unit
};

struct PrintStyle {
    report::Font headingFont;
    double headingLineHeight = 0;
    std::size_t headingLines = 4;
    report::Font rowFont;
    double rowHeight = 0;
};

using dataset::HeaderName;

report::Band TitleBand(const std::vector<std::string>& lines, double width);
report::Band PageHeaderBand(std::string_view controller, double width);
report::Band PageFooterBand(double width);  // "Лист N из M"

report::Band HeadingBand(const std::vector<PrintColumn>& columns, const PrintStyle& style);
// The rows under the columns' headings, which stand again above the rows that long values push
// onto a further page.
report::Table RowsTable(const std::vector<PrintColumn>& columns,
                        std::vector<std::vector<std::string>> rows, const PrintStyle& style);

}  // namespace zor06::gasdata
