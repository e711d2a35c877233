#include "messages/message_list_document.h"

#include <algorithm>
#include <array>
#include <string>

#include "messages/message_view.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

using report::Align;
using report::Band;
using report::Font;
using report::FontFamily;

constexpr Font kTitleFont{FontFamily::Sans, 10, true};
constexpr Font kLineFont{FontFamily::Sans, 8, false};
constexpr Font kHeadingFont{FontFamily::Sans, 7, true};
constexpr Font kRowFont{FontFamily::Sans, 6.5, false};
constexpr double kTitleLineHeight = 4.5;
constexpr double kHeadingLineHeight = 3.5;
constexpr double kRowHeight = 3.4;  // 13 pixels of the screen

// One column: its width and its heading lines from the top.
struct ColumnSpec {
    double width;
    std::array<std::string_view, 3> heading;
};

constexpr std::array<ColumnSpec, kCellCount> kInterventionColumns{{
    {18, {"Дата"}},
    {16, {"Время"}},
    {68, {"Наименование  параметра"}},
    {24, {"Старое", "значение"}},
    {24, {"Новое", "значение"}},
    {20, {"Единица", "измер."}},
    {20, {"Имя", "оператора"}},
}};

// Event and object share the heading "Сообщение" on the first line.
constexpr std::array<ColumnSpec, kCellCount> kDiagnosticColumns{{
    {16, {"Дата"}},
    {15, {"Время"}},
    {52, {"", "Событие"}},
    {50, {"", "Объект / Причина"}},
    {20, {"Текущее", "значение", "параметра"}},
    {20, {"Значение", "уставки"}},
    {18, {"Единица", "измер."}},
}};

const std::array<ColumnSpec, kCellCount>& ColumnsOf(Archive archive) {
    return archive == Archive::Interventions ? kInterventionColumns : kDiagnosticColumns;
}

std::size_t HeadingLines(Archive archive) {
    return archive == Archive::Interventions ? 2 : 3;
}

Band Heading(Archive archive) {
    Band band;
    const std::size_t lines = HeadingLines(archive);
    band.height = kHeadingLineHeight * static_cast<double>(lines) + 1;
    double x = 0;
    for (const ColumnSpec& c : ColumnsOf(archive)) {
        const bool shared = c.heading[0].empty();
        const double top = shared ? kHeadingLineHeight : 0;
        band.frames.push_back({{x, top, c.width, band.height - top}});
        for (std::size_t l = 0; l < lines; ++l) {
            if (!c.heading[l].empty()) {
                band.texts.push_back({std::string(c.heading[l]),
                                      {x, 0.5 + kHeadingLineHeight * static_cast<double>(l),
                                       c.width, kHeadingLineHeight},
                                      kHeadingFont,
                                      Align::Center});
            }
        }
        x += c.width;
    }
    if (archive == Archive::Diagnostics) {
        const double left = kDiagnosticColumns[0].width + kDiagnosticColumns[1].width;
        const double width = kDiagnosticColumns[2].width + kDiagnosticColumns[3].width;
        band.frames.push_back({{left, 0, width, kHeadingLineHeight}});
        band.texts.push_back(
            {"Сообщение", {left, 0, width, kHeadingLineHeight}, kHeadingFont, Align::Center});
    }
    return band;
}

report::Table RowsTable(Archive archive, std::span<const MessageRow> rows) {
    report::Table table;
    for (const ColumnSpec& c : ColumnsOf(archive)) {
        table.columns.push_back({"", c.width, Align::Left});
    }
    for (const MessageRow& row : rows) {
        table.rows.emplace_back(row.begin(), row.end());
    }
    table.rowFont = kRowFont;
    table.rowHeight = kRowHeight;
    table.showHeader = false;
    table.maxRowsPerPage = static_cast<int>(RowsPerPage(archive).further);
    return table;
}

Band Title(const std::vector<std::string>& lines, double width) {
    Band band;
    double y = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool big = i == 1 || i == 2;
        band.texts.push_back({lines[i],
                              {0, y, width, kTitleLineHeight},
                              big ? kTitleFont : kLineFont,
                              i == 0 ? Align::Left : Align::Center});
        y += kTitleLineHeight;
    }
    band.height = y + 2;
    return band;
}

Band Footer(double width) {
    Band band;
    band.height = 5;
    band.texts.push_back({std::string("Лист ") + report::kPagePlaceholder,
                          {width - 50, 1, 24, 4},
                          kLineFont,
                          Align::Right});
    band.texts.push_back({std::string("из ") + report::kPageCountPlaceholder,
                          {width - 24, 1, 24, 4},
                          kLineFont,
                          Align::Left});
    return band;
}

std::string ControllerName(const dataset::HdmHeader& header) {
    const auto& n = header.controllerName;
    const auto end = std::find(n.begin(), n.end(), std::uint8_t{0});
    std::string name = text::Cp1251ToUtf8(std::string_view(
        reinterpret_cast<const char*>(n.data()), static_cast<std::size_t>(end - n.begin())));
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
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
        text::Printf("Контроллер \"%s\"  (адрес %d)", ControllerName(header).c_str(),
                     header.address),
        text::Printf("За период  с  %02d.%02d.%02d %02d:%02d:%02d  по %02d.%02d.%02d "
                     "%02d:%02d:%02d",
                     s[2], s[1], s[0], s[3], s[4], s[5], e[2], e[1], e[0], e[3], e[4], e[5]),
        "Составлен программой zor_05  " + DateTimeText(header.readAt),
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
    doc.pageFooter = Footer(width);

    std::size_t count = rows.size();
    if (archive == Archive::Interventions) {
        count = std::min<std::size_t>(count, header.recordCount);
    }
    const std::span<const MessageRow> printed(rows.data(), count);
    std::size_t at = 0;
    for (const std::size_t n : PageRowCounts(archive, count)) {
        if (at != 0 || !doc.body.empty()) {
            doc.body.emplace_back(report::PageBreak{});
        }
        doc.body.emplace_back(Heading(archive));
        doc.body.emplace_back(RowsTable(archive, printed.subspan(at, n)));
        at += n;
    }
    return doc;
}

}  // namespace zor06::messages
