// Text width without a font engine: every character is taken as a fixed share of the font size
// (an average for the proportional family, exact for the monospaced one). Layout elides table
// cells by it; the renderer measures the real width and shrinks or elides a text that still
// overflows.
#pragma once

#include <string>
#include <string_view>

#include "report/document.h"

namespace zor06::report {

// Average advance of one character as a share of the font size.
double CharacterShare(const Font& font);

// Estimated width in millimetres of a UTF-8 text.
double TextWidth(std::string_view utf8, const Font& font);

// The text cut at a character boundary, with "…" at its end, so that its estimate fits `width`;
// the text itself when it fits.
std::string Elide(std::string_view utf8, const Font& font, double width);

}  // namespace zor06::report
