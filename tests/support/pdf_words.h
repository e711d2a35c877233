// The words of a PDF as pdftotext reads them back, with their boxes, and whether they hold a
// text whole: a table cell's text may go on over the next lines of its column.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::test {

struct PdfWord {
    int page = 0;  // from 1
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    std::string text;
};

// Page after page; empty when the file cannot be read.
std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf);

// Whether `text` (its blanks aside) is read in order from words that follow one another on a
// line or go on in the same column on the lines below.
bool HoldsText(const std::vector<PdfWord>& words, std::string_view text);

}  // namespace zor06::test
