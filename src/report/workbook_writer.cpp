#include "report/workbook_writer.h"

#include <xlsxwriter.h>

#include <cmath>

#include "platform/file_io.h"

namespace zor06::report {
namespace {

namespace fs = std::filesystem;

std::uint8_t LxwAlign(CellAlign align) {
    switch (align) {
        case CellAlign::Left:
            return LXW_ALIGN_LEFT;
        case CellAlign::Center:
            return LXW_ALIGN_CENTER;
        case CellAlign::General:
            break;
    }
    return LXW_ALIGN_NONE;
}

}  // namespace

WorkbookWriter::WorkbookWriter() {
    if (scratch_.Path().empty()) {
        failure_ = "no temporary file for the workbook: " + scratch_.Failure();
        return;
    }
    workbook_ = workbook_new(scratch_.Path().c_str());
    sheet_ = workbook_ != nullptr ? workbook_add_worksheet(workbook_, nullptr) : nullptr;
    if (sheet_ == nullptr) {
        failure_ = "the workbook could not be created";
    }
}

WorkbookWriter::~WorkbookWriter() {
    if (workbook_ != nullptr) {
        lxw_workbook_free(workbook_);
    }
}

void WorkbookWriter::Note(int error) {
    if (error != LXW_NO_ERROR && failure_.empty()) {
        failure_ = lxw_strerror(static_cast<lxw_error>(error));
    }
}

lxw_format* WorkbookWriter::Format(const CellStyle& style) {
    const auto found = formats_.find(style);
    if (found != formats_.end()) {
        return found->second;
    }
    lxw_format* f = workbook_add_format(workbook_);
    format_set_font_name(f, style.fontName.c_str());
    format_set_font_size(f, style.fontSize);
    if (style.align != CellAlign::General) {
        format_set_align(f, LxwAlign(style.align));
    }
    if (style.filled) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, style.fillRgb);
    }
    if (style.lineTop) {
        format_set_top(f, LXW_BORDER_THIN);
    }
    if (style.lineBottom) {
        format_set_bottom(f, LXW_BORDER_THIN);
    }
    if (style.lineLeft) {
        format_set_left(f, LXW_BORDER_THIN);
    }
    if (style.lineRight) {
        format_set_right(f, LXW_BORDER_THIN);
    }
    if (!style.numberFormat.empty()) {
        format_set_num_format(f, style.numberFormat.c_str());
    }
    formats_.emplace(style, f);
    return f;
}

void WorkbookWriter::SetColumnWidth(int firstColumn, int lastColumn, double width) {
    if (sheet_ != nullptr) {
        Note(worksheet_set_column(sheet_, static_cast<lxw_col_t>(firstColumn),
                                  static_cast<lxw_col_t>(lastColumn), width, nullptr));
    }
}

void WorkbookWriter::SetRowHeight(int row, double height) {
    if (sheet_ != nullptr) {
        Note(worksheet_set_row(sheet_, static_cast<lxw_row_t>(row), height, nullptr));
    }
}

void WorkbookWriter::WriteText(int row, int column, std::string_view utf8, const CellStyle& style) {
    if (sheet_ != nullptr) {
        const std::string text(utf8);
        Note(worksheet_write_string(sheet_, static_cast<lxw_row_t>(row),
                                    static_cast<lxw_col_t>(column), text.c_str(), Format(style)));
    }
}

void WorkbookWriter::WriteNumber(int row, int column, double value, const CellStyle& style) {
    if (!std::isfinite(value)) {
        WriteText(row, column, "NAN", style);
    } else if (sheet_ != nullptr) {
        Note(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row),
                                    static_cast<lxw_col_t>(column), value, Format(style)));
    }
}

void WorkbookWriter::WriteBlank(int row, int column, const CellStyle& style) {
    if (sheet_ != nullptr) {
        Note(worksheet_write_blank(sheet_, static_cast<lxw_row_t>(row),
                                   static_cast<lxw_col_t>(column), Format(style)));
    }
}

bool WorkbookWriter::Save(const fs::path& path, std::string* reason) {
    if (workbook_ != nullptr) {
        // Closing writes the scratch file and frees the workbook whatever the outcome.
        Note(workbook_close(workbook_));
        workbook_ = nullptr;
        sheet_ = nullptr;
    }
    std::string bytes;
    if (failure_.empty() &&
        platform::ReadWholeFile(scratch_.Path(), &bytes, &failure_) != platform::ReadStatus::Read &&
        failure_.empty()) {
        failure_ = "the workbook was not written";
    }
    if (failure_.empty() && !platform::WriteFileAtomically(path, bytes, &failure_) &&
        failure_.empty()) {
        failure_ = "the workbook could not be saved";
    }
    *reason = failure_;
    return failure_.empty();
}

}  // namespace zor06::report
