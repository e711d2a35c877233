// Bands that several printouts draw alike.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/document.h"

namespace zor06::report {

// Title lines one under another, `lineHeight` apart, the first to the left and the rest centred,
// with 2 mm under the last; `fontOf` gives each line's font by its position.
Band StackedTitle(const std::vector<std::string>& lines, double width, double lineHeight,
                  Font (*fontOf)(std::size_t line));

// "Лист N" and "из M" side by side at the right end of a footer `height` high, each text
// `textHeight` high.
Band PageOfPagesFooter(double width, double height, double textHeight, const Font& font);

}  // namespace zor06::report
