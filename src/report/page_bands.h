// Bands that several printouts draw alike.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/document.h"

namespace zor06::report {

// The regular lines of the data and message lists' titles, page headers and footers.
inline constexpr Font kListLineFont{FontFamily::Sans, 8, false};

// The title of the data and message lists: lines one under another, the first to the left and
// the rest centred, with 2 mm under the last; `bold` tells which lines take the larger bold font.
Band ListTitle(const std::vector<std::string>& lines, double width, bool (*bold)(std::size_t line));

// "Лист N" and "из M" side by side at the right end of a footer `height` high, each text
// `textHeight` high.
Band PageOfPagesFooter(double width, double height, double textHeight, const Font& font);

}  // namespace zor06::report
