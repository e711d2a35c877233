#include "messages/message_list_document.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "dataset/header_name.h"
#include "messages/message_view.h"
#include "report/column_fit.h"
#include "report/page_bands.h"
#include "report/text_metrics.h"
#include "tables/date_time_text.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

using report::Align;
using report::Band;
using report::Font;
using report::FontFamily;

constexpr Font kHeadingFont{FontFamily::Sans, 7, true};
constexpr Font kRowFont{FontFamily::Sans, 6, false};
constexpr double kHeadingLineHeight = 3.5;
constexpr double kRowHeight = 3.4;  // 13 pixels of the screen

// One column: its heading lines from the top, where a long text may go on to a further line,
// and the widest text it holds whatever the rows.
struct ColumnSpec {
    std::array<std::string_view, 3> heading;
    report::Breaks breaks;
    std::string_view widest;
};

// Every digit is as wide as any other, so these are the widest dates and times.
constexpr std::string_view kWidestDate = "00.00.00";
constexpr std::string_view kWidestTime = "23:59:59";

using report::Breaks;

constexpr std::array<ColumnSpec, kCellCount> kInterventionColumns{{
    {{"Дата"}, Breaks::Never, kWidestDate},
    {{"Время"}, Breaks::Never, kWidestTime},
    {{"Наименование  параметра"}, Breaks::AtBlanks, ""},
    {{"Старое", "значение"}, Breaks::Anywhere, ""},
    {{"Новое", "значение"}, Breaks::Anywhere, ""},
    {{"Единица", "измер."}, Breaks::Never, ""},
    {{"Имя", "оператора"}, Breaks::Never, ""},
}};

// Event and object share the heading "Сообщение" on the first line.
constexpr std::array<ColumnSpec, kCellCount> kDiagnosticColumns{{
    {{"Дата"}, Breaks::Never, kWidestDate},
    {{"Время"}, Breaks::Never, kWidestTime},
    {{"", "Событие"}, Breaks::AtBlanks, ""},
    {{"", "Объект / Причина"}, Breaks::AtBlanks, ""},
    {{"Текущее", "значение", "параметра"}, Breaks::Anywhere, ""},
    {{"Значение", "уставки"}, Breaks::Anywhere, ""},
    {{"Единица", "измер."}, Breaks::Never, ""},
}};
constexpr std::size_t kEvent = 2;
constexpr std::size_t kObject = 3;

const std::array<ColumnSpec, kCellCount>& ColumnsOf(Archive archive) {
    return archive == Archive::Interventions ? kInterventionColumns : kDiagnosticColumns;
}

std::size_t HeadingLines(Archive archive) {
    return archive == Archive::Interventions ? 2 : 3;
}

// The cells as printed: the blanks that align them in the view's grid are left out.
std::vector<std::string> PrintedCells(const MessageRow& row) {
    std::vector<std::string> cells;
    for (const std::string& cell : row) {
        cells.emplace_back(text::TrimBlanks(cell));
    }
    return cells;
}

// A heading line with free lines under it may go on there, "Наименование  параметра" on two.
bool HeadingMayBreak(Archive archive, const ColumnSpec& c, std::size_t line) {
    return line + 1 < HeadingLines(archive) && c.heading[line + 1].empty() &&
           !c.heading[line].empty();
}

// Widths from the widest text of every column among the rows of a page, so that one huge
// value widens its own page only; the event, object and parameter name give up room first,
// going on a second line, and only then the numbers.
std::vector<double> ColumnWidths(Archive archive, std::span<const std::vector<std::string>> rows,
                                 double width) {
    std::vector<report::ColumnNeed> needs(kCellCount);
    for (std::size_t i = 0; i < kCellCount; ++i) {
        const ColumnSpec& c = ColumnsOf(archive)[i];
        for (std::size_t l = 0; l < c.heading.size(); ++l) {
            needs[i].Hold(c.heading[l], kHeadingFont,
                          HeadingMayBreak(archive, c, l) ? Breaks::AtBlanks : Breaks::Never);
        }
        needs[i].Hold(c.widest, kRowFont, Breaks::Never);
        for (const auto& row : rows) {
            needs[i].Hold(row[i], kRowFont, c.breaks);
        }
    }
    if (archive == Archive::Diagnostics) {
        const double shared =
            report::TextWidth("Сообщение", kHeadingFont) + 2 * report::kCellPadding;
        const double both = needs[kEvent].floor + needs[kObject].floor;
        if (both < shared) {
            needs[kEvent].floor += shared - both;
            needs[kEvent].least = std::max(needs[kEvent].least, needs[kEvent].floor);
            needs[kEvent].widest = std::max(needs[kEvent].widest, needs[kEvent].least);
        }
    }
    return report::FitColumns(needs, width);
}

Band Heading(Archive archive, const std::vector<double>& widths) {
    Band band;
    const std::size_t lines = HeadingLines(archive);
    band.height = kHeadingLineHeight * static_cast<double>(lines) + 1;
    double x = 0;
    for (std::size_t i = 0; i < kCellCount; ++i) {
        const ColumnSpec& c = ColumnsOf(archive)[i];
        const bool shared = c.heading[0].empty();
        const double top = shared ? kHeadingLineHeight : 0;
        band.frames.push_back({{x, top, widths[i], band.height - top}});
        for (std::size_t l = 0; l < lines; ++l) {
            if (c.heading[l].empty()) {
                continue;
            }
            const std::vector<std::string> pieces =
                HeadingMayBreak(archive, c, l)
                    ? report::WrapText(c.heading[l], kHeadingFont,
                                       widths[i] - 2 * report::kCellPadding)
                    : std::vector<std::string>{std::string(c.heading[l])};
            for (std::size_t p = 0; p < pieces.size() && l + p < lines; ++p) {
                band.texts.push_back({pieces[p],
                                      {x, 0.5 + kHeadingLineHeight * static_cast<double>(l + p),
                                       widths[i], kHeadingLineHeight},
                                      kHeadingFont,
                                      Align::Center});
            }
        }
        x += widths[i];
    }
    if (archive == Archive::Diagnostics) {
        const double left = widths[0] + widths[1];
        const double width = widths[kEvent] + widths[kObject];
        band.frames.push_back({{left, 0, width, kHeadingLineHeight}});
        band.texts.push_back(
            {"Сообщение", {left, 0, width, kHeadingLineHeight}, kHeadingFont, Align::Center});
    }
    return band;
}

// The rows of one page under the headings, repeated should long texts push rows onto a page
// of their own.
report::Table RowsTable(Archive archive, const std::vector<double>& widths,
                        std::span<const std::vector<std::string>> rows) {
    report::Table table;
    for (const double w : widths) {
        table.columns.push_back({"", w, Align::Left});
    }
    table.rows.assign(rows.begin(), rows.end());
    table.heading = Heading(archive, widths);
    table.rowFont = kRowFont;
    table.rowHeight = kRowHeight;
    table.maxRowsPerPage = static_cast<int>(RowsPerPage(archive).further);
    return table;
}

// The two lines that name the list in bold.
Band Title(const std::vector<std::string>& lines, double width) {
    return report::ListTitle(lines, width, [](std::size_t line) { return line == 1 || line == 2; });
}

}  // namespace

PageCapacity RowsPerPage(Archive archive) {
    return archive == Archive::Interventions ? PageCapacity{57, 69} : PageCapacity{58, 65};
}

std::vector<std::size_t> PageRowCounts(Archive archive, std::size_t rows) {
    const PageCapacity capacity = RowsPerPage(archive);
    std::vector<std::size_t> pages;
    std::size_t room = capacity.first;
    for (;;) {
        const std::size_t n = std::min(rows, room);
        pages.push_back(n);
        rows -= n;
        if (n < room) {
            return pages;
        }
        room = capacity.further;
    }
}

std::vector<std::string> ListTitleLines(Archive archive, const dataset::HdmHeader& header,
                                        std::string_view organisation) {
    const bool interventions = archive == Archive::Interventions;
    const auto& s = header.start;
    const auto& e = header.end;
    return {
        std::string(organisation),
        interventions ? "Перечень сообщений о вмешательствах оператора"
                      : "Перечень диагностических сообщений",
        interventions ? "в работу контроллерa ЗОР_06" : "контроллерa ЗОР_06",
        text::Printf("Контроллер \"%s\"  (адрес %d)",
                     dataset::HeaderName(header.controllerName).c_str(), header.address),
        text::Printf("За период  с  %02d.%02d.%02d %02d:%02d:%02d  по %02d.%02d.%02d "
                     "%02d:%02d:%02d",
                     s[2], s[1], s[0], s[3], s[4], s[5], e[2], e[1], e[0], e[3], e[4], e[5]),
        "Составлен программой zor_05  " + tables::DateTimeText(header.readAt),
    };
}

report::Document MessageListDocument(Archive archive, const dataset::HdmHeader& header,
                                     const std::vector<MessageRow>& rows,
                                     std::string_view organisation) {
    report::Document doc;
    doc.page.marginLeft = 10;
    doc.page.marginRight = archive == Archive::Diagnostics ? 9 : 10;
    const double width = doc.page.ContentWidth();
    doc.title = Title(ListTitleLines(archive, header, organisation), width);
    doc.pageFooter = report::PageOfPagesFooter(width, 5, 4, report::kListLineFont);

    std::size_t count = rows.size();
    if (archive == Archive::Interventions) {
        count = std::min<std::size_t>(count, header.recordCount);
    }
    std::vector<std::vector<std::string>> printed;
    for (std::size_t r = 0; r < count; ++r) {
        printed.push_back(PrintedCells(rows[r]));
    }
    std::size_t at = 0;
    for (const std::size_t n : PageRowCounts(archive, count)) {
        if (!doc.body.empty()) {
            doc.body.emplace_back(report::PageBreak{});
        }
        const auto page = std::span<const std::vector<std::string>>(printed).subspan(at, n);
        doc.body.emplace_back(RowsTable(archive, ColumnWidths(archive, page, width), page));
        at += n;
    }
    return doc;
}

}  // namespace zor06::messages
