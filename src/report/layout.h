// The layout pass: bands and tables placed top to bottom between the page header and footer,
// page after page, then the page numbers filled in.
#pragma once

#include "report/document.h"
#include "report/pages.h"

namespace zor06::report {

Pages Layout(const Document& document);

// The text with every kPagePlaceholder and kPageCountPlaceholder replaced.
std::string FillPageNumbers(std::string_view text, int page, int pageCount);

}  // namespace zor06::report
