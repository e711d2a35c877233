// Column widths sized from the texts the columns hold: each column asks for its widest text on
// one line, may give up room down to where its words would break, and numbers may at last go
// on over several lines too.
#pragma once

#include <string_view>
#include <vector>

#include "report/document.h"

namespace zor06::report {

// Where a column's texts may go on to a further line.
enum class Breaks {
    Never,     // dates, times, units: always whole on one line
    AtBlanks,  // names and events: between words
    Anywhere,  // numbers: between digits, when nothing else gives room
};

struct ColumnNeed {
    // Millimetres, the cell padding included: the widest text on one line, the least width
    // before a number breaks (names on about two lines), and the least at which no text of
    // `Never` or word breaks.
    double widest = 0;
    double least = 0;
    double floor = 0;

    void Hold(std::string_view text, const Font& font, Breaks breaks);
};

// Widths that add up to `total`. When every column's widest text fits, the room left is shared
// in proportion to those widths. Otherwise the columns give up room above their least width in
// proportion to what they can give; when even that is too wide, room above their floor; and when
// the floors are too wide, all shrink alike.
std::vector<double> FitColumns(const std::vector<ColumnNeed>& needs, double total);

}  // namespace zor06::report
