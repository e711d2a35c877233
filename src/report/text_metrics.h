// Text widths from the advance widths of the very fonts the renderer paints with, so that what
// layout sizes and wraps is what the page shows. A table cell never loses a character: a text
// wider than its column goes on as many lines as it needs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/document.h"

namespace zor06::report {

// Width in millimetres of a UTF-8 text on one line.
double TextWidth(std::string_view utf8, const Font& font);

// The text in lines that each fit `width`, broken at blanks where it can and inside a word only
// where the word alone is wider; the blanks at a break are dropped, nothing else. A text that
// fits, or an empty one, stays one line.
std::vector<std::string> WrapText(std::string_view utf8, const Font& font, double width);

}  // namespace zor06::report
