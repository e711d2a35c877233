// Column widths sized from the texts the columns hold: each column asks for its widest text on
// one line and may give up room down to the least width at which no word of its texts breaks.
#pragma once

#include <string_view>
#include <vector>

#include "report/document.h"

namespace zor06::report {

struct ColumnNeed {
    double widest = 0;  // millimetres, the cell padding included
    double least = 0;

    // Makes room for the text; a column that does not wrap needs it whole on one line.
    void Hold(std::string_view text, const Font& font, bool wraps);
};

// Widths that add up to `total`. When every column's widest text fits, the room left is shared
// in proportion to those widths; otherwise the columns give up room above their least width in
// proportion to what they can give, and when even the least widths are too wide, all shrink alike.
std::vector<double> FitColumns(const std::vector<ColumnNeed>& needs, double total);

}  // namespace zor06::report
