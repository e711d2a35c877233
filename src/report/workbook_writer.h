// A one-sheet spreadsheet workbook (.xlsx) built cell by cell and then saved atomically. Cells get
// their look from a CellStyle; equal styles share one format of the workbook, as the format
// records of the file expect.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "platform/temporary_files.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace zor06::report {

enum class CellAlign : std::uint8_t { General, Left, Center };

struct CellStyle {
    std::string fontName = "Times New Roman";
    double fontSize = 10;
    CellAlign align = CellAlign::General;
    std::uint32_t fillRgb = 0;  // a solid fill of this colour (0xRRGGBB) when `filled`
    bool filled = false;
    bool lineTop = false;  // thin lines on the cell's sides
    bool lineBottom = false;
    bool lineLeft = false;
    bool lineRight = false;
    std::string numberFormat;  // empty: General
    auto operator<=>(const CellStyle&) const = default;
};

// Rows and columns count from 0. A failed call is remembered and reported by Save.
class WorkbookWriter {
public:
    WorkbookWriter();
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter&) = delete;
    WorkbookWriter& operator=(const WorkbookWriter&) = delete;

    void SetColumnWidth(int firstColumn, int lastColumn, double width);
    void SetRowHeight(int row, double height);
    void WriteText(int row, int column, std::string_view utf8, const CellStyle& style);
    // A value that is not finite goes in as the text "NAN": the file format has no such number.
    void WriteNumber(int row, int column, double value, const CellStyle& style);
    void WriteBlank(int row, int column, const CellStyle& style);

    // Writes the workbook to `path` through a temporary file beside it; on failure no file is
    // left and `reason` says why. The writer is finished afterwards.
    bool Save(const std::filesystem::path& path, std::string* reason);

private:
    lxw_format* Format(const CellStyle& style);
    void Note(int error);

    platform::TemporaryFile scratch_{"zor06-workbook", ".xlsx"};  // where the library assembles it
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::map<CellStyle, lxw_format*> formats_;
    std::string failure_;
};

}  // namespace zor06::report
