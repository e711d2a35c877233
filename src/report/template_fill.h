// Filling a copy of a spreadsheet template (.xlsx): cells of its active sheet get numbers or texts;
// everything else of the template (styles, merged cells, columns, other parts) stays as it was.
// A calculation chain left by the template is dropped, so the spreadsheet rebuilds it.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zor06::report {

// One cell to set, a single-precision number or a UTF-8 text; rows and columns count from 1 as
// the spreadsheet shows them.
struct TemplateCell {
    int row = 1;
    int column = 1;
    bool isText = false;
    float number = 0;
    std::string text;

    static TemplateCell Number(int row, int column, float value) {
        return {row, column, false, value, {}};
    }
    static TemplateCell Text(int row, int column, std::string value) {
        return {row, column, true, 0, std::move(value)};
    }
};

// "A1" style reference of a cell.
std::string CellReference(int row, int column);

// Writes the template `templatePath` with `cells` set to `outPath` through a temporary file beside
// it: an existing file there is replaced only by the complete new workbook. On failure nothing is
// left at `outPath` that was not there before, and `reason` says why, naming the file. Only a
// regular template of bounded size, whose parts unpack to bounded sizes, is read.
bool FillTemplate(const std::filesystem::path& templatePath, const std::vector<TemplateCell>& cells,
                  const std::filesystem::path& outPath, std::string* reason);

}  // namespace zor06::report
