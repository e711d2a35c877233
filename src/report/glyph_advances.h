// How far the pen moves after one character of the fonts the printouts use, as a share of the
// font size: the renderer paints with these very fonts, so widths summed from them are what the
// page shows (kerning only ever narrows a text of these fonts a little).
#pragma once

#include "report/document.h"

namespace zor06::report {

double Advance(char32_t c, const Font& font);

}  // namespace zor06::report
