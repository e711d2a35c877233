#include "gasdata/data_workbook.h"

#include <algorithm>
#include <array>
#include <optional>

#include "gasdata/exported_cells.h"
#include "gasdata/iso_check.h"
#include "report/workbook_writer.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {
namespace {

using report::CellAlign;
using report::CellStyle;

constexpr double kColumnWidth = 9;
constexpr double kCaptionHeight = 18;
constexpr double kCaptionFontSize = 12;
constexpr std::uint32_t kHeadingGrey = 0xC0C0C0;  // colour value 12632256
constexpr int kCaptionRow = 0;
constexpr int kFirstHeadingRow = 1;
constexpr std::size_t kHeadingRows = 4;  // three heading lines and the unit
constexpr int kFirstDataRow = 5;
constexpr const char* kStartHeading = "                            Начало";

// A column's cells in the heading rows. The start heading of the hourly and daily sheets stands
// over the date and the start time, so no line parts these two in the top row.
struct HeadingColumn {
    std::array<std::string, kHeadingRows> cells;
    bool topJoinsNext = false;
};

std::vector<HeadingColumn> ChromatographLeftHeadings(DataKind kind) {
    if (IsThreeMinute(kind)) {
        return {{{"", "Дата", "", ""}}, {{"", "Время", "", ""}}};
    }
    return {{{kStartHeading, "", "Дата", ""}, true},
            {{"", "", "Время", ""}},
            {{"Конец", "", "Время", ""}}};
}

HeadingColumn FromView(const ColumnHeading& h) {
    return {{h.lines[0], h.lines[1], h.lines[2], h.unit}};
}

std::size_t LeftColumns(const DataView& view) {
    return IsChromatograph(view.kind) ? DateTimeColumns(view.kind) : view.leftHeadings.size();
}

std::vector<HeadingColumn> Headings(const DataView& view) {
    std::vector<HeadingColumn> columns;
    if (IsChromatograph(view.kind)) {
        columns = ChromatographLeftHeadings(view.kind);
    } else {
        std::transform(view.leftHeadings.begin(), view.leftHeadings.end(),
                       std::back_inserter(columns), FromView);
    }
    std::transform(view.valueHeadings.begin(), view.valueHeadings.end(),
                   std::back_inserter(columns), FromView);
    if (view.isoCheck) {
        std::transform(view.isoCheck->headings.begin(), view.isoCheck->headings.end(),
                       std::back_inserter(columns), FromView);
    }
    return columns;
}

CellStyle Centred() {
    CellStyle s;
    s.align = CellAlign::Center;
    return s;
}

void WriteCaptionRow(report::WorkbookWriter& book, const std::string& caption, int columns) {
    CellStyle style;
    style.fontSize = kCaptionFontSize;
    style.lineTop = true;
    style.lineBottom = true;
    book.SetRowHeight(kCaptionRow, kCaptionHeight);
    book.WriteText(kCaptionRow, 0, caption, style);
    for (int c = 1; c < columns; ++c) {
        book.WriteBlank(kCaptionRow, c, style);
    }
}

void WriteHeadingRows(report::WorkbookWriter& book, const std::vector<HeadingColumn>& columns) {
    for (std::size_t line = 0; line < kHeadingRows; ++line) {
        const int row = kFirstHeadingRow + static_cast<int>(line);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const bool top = line == 0;
            CellStyle style = Centred();
            style.filled = true;
            style.fillRgb = kHeadingGrey;
            style.lineLeft = !(top && c > 0 && columns[c - 1].topJoinsNext);
            style.lineRight = !(top && columns[c].topJoinsNext);
            style.lineBottom = line + 1 == kHeadingRows;
            const std::string& text = columns[c].cells[line];
            if (top && columns[c].topJoinsNext) {
                style.align = CellAlign::Left;  // the blanks before it place it over both
            }
            if (TrimBlanks(text).empty()) {
                book.WriteBlank(row, static_cast<int>(c), style);
            } else {
                book.WriteText(row, static_cast<int>(c), text, style);
            }
        }
    }
}

// The number styles of a value column, without and with the trailing quote.
std::array<CellStyle, 2> NumberStyles(int decimals) {
    std::array<CellStyle, 2> styles{Centred(), Centred()};
    styles[0].numberFormat = NumberFormat(decimals, false);
    styles[1].numberFormat = NumberFormat(decimals, true);
    return styles;
}

CellStyle Marked(CellStyle style) {
    style.filled = true;
    style.fillRgb = kIsoCheckMarkedRgb;
    return style;
}

class DataRowWriter {
public:
    DataRowWriter(report::WorkbookWriter& book, const DataView& view)
        : book_(book), left_(LeftColumns(view)) {
        for (std::size_t v = 0; v < view.valueHeadings.size(); ++v) {
            numberStyles_.push_back(
                NumberStyles(v < view.valueDecimals.size() ? view.valueDecimals[v] : 4));
        }
        if (view.isoCheck) {
            for (const int decimals : view.isoCheck->decimals) {
                checkStyles_.push_back(NumberStyles(decimals));
            }
        }
    }

    void Write(int row, const DataRow& data) {
        const std::size_t left = std::min(left_, data.left.size());
        for (std::size_t c = 0; c < left; ++c) {
            Text(row, c, data.left[c]);
        }
        const std::size_t values = std::min(numberStyles_.size(), data.values.size());
        for (std::size_t v = 0; v < values; ++v) {
            const std::optional<double> number =
                v < data.numbers.size() ? data.numbers[v] : std::nullopt;
            if (number) {
                const bool quoted = TrimBlanks(data.values[v]).ends_with('"');
                book_.WriteNumber(row, Column(left_ + v), *number, numberStyles_[v][quoted]);
            } else {
                Text(row, left_ + v, data.values[v]);
            }
        }
        WriteCheck(row, data, left_ + numberStyles_.size());
    }

private:
    static int Column(std::size_t c) { return static_cast<int>(c); }

    void Text(int row, std::size_t column, std::string_view text, bool marked = false) {
        const std::string_view shown = TrimBlanks(text);
        if (!shown.empty()) {
            book_.WriteText(row, Column(column), shown, marked ? Marked(textStyle_) : textStyle_);
        }
    }

    void WriteCheck(int row, const DataRow& data, std::size_t first) {
        const std::size_t cells = std::min(checkStyles_.size(), data.check.size());
        for (std::size_t c = 0; c < cells; ++c) {
            const CheckCell& cell = data.check[c];
            if (!cell.number) {
                Text(row, first + c, cell.text, cell.marked);
                continue;
            }
            const bool quoted = TrimBlanks(cell.text).ends_with('"');
            const CellStyle& style = checkStyles_[c][quoted];
            book_.WriteNumber(row, Column(first + c), *cell.number,
                              cell.marked ? Marked(style) : style);
        }
    }

    report::WorkbookWriter& book_;
    std::size_t left_;
    CellStyle textStyle_ = Centred();
    std::vector<std::array<CellStyle, 2>> numberStyles_;
    std::vector<std::array<CellStyle, 2>> checkStyles_;
};

}  // namespace

std::string NumberFormat(int decimals, bool quoted) {
    const int places = std::clamp(decimals, 0, settings::kMaxDecimals);
    std::string format =
        places == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(places), '0');
    if (quoted) {
        format += "\\\"";
    }
    return format;
}

bool WriteDataWorkbook(const DataView& view, const std::filesystem::path& path, std::string* error,
                       const WorkbookProgress& progress) {
    const std::size_t total = view.rows.size() + kFirstDataRow;
    const auto advance = [&](std::size_t done) {
        if (progress) {
            progress(done, total);
        }
    };
    report::WorkbookWriter book;
    const std::vector<HeadingColumn> headings = Headings(view);
    const int columns = static_cast<int>(headings.size());
    book.SetColumnWidth(0, std::max(columns, 1) - 1, kColumnWidth);
    WriteCaptionRow(book, view.caption, std::max(columns, 1));
    WriteHeadingRows(book, headings);
    advance(kFirstDataRow);

    DataRowWriter rows(book, view);
    for (std::size_t r = 0; r < view.rows.size(); ++r) {
        rows.Write(kFirstDataRow + static_cast<int>(r), view.rows[r]);
        advance(kFirstDataRow + r + 1);
    }
    return book.Save(path, error);
}

}  // namespace zor06::gasdata
