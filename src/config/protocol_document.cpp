#include "config/protocol_document.h"

#include "report/column_fit.h"
#include "report/page_bands.h"

namespace zor06::config {
namespace {

using report::Align;
using report::Band;
using report::Breaks;
using report::Column;
using report::Font;
using report::FontFamily;
using report::Table;

constexpr Font kTitleFont{FontFamily::Sans, 11, true};
constexpr Font kLineFont{FontFamily::Sans, 8, false};
constexpr Font kHeadingFont{FontFamily::Sans, 8.5, true};
constexpr Font kRowFont{FontFamily::Sans, 7.5, false};
constexpr Font kTableRowFont{FontFamily::Sans, 7, false};
constexpr Font kColumnTitleFont{FontFamily::Sans, 6, true};
constexpr double kRowHeight = 4.4;

Band TextLine(const std::string& text, double width, const Font& font, Align align, double height) {
    Band b;
    b.height = height;
    b.texts.push_back({text, {0, 0, width, height}, font, align});
    return b;
}

Band Title(const ProtocolContent& c, double width) {
    Band b = TextLine(kProtocolTitle, width, kTitleFont, Align::Center, 8);
    b.texts.push_back({c.compiledBy, {0, 8, width, 6}, kLineFont, Align::Center});
    b.height = 16;
    return b;
}

Band Header(const ProtocolContent& c, double width) {
    Band b = TextLine(c.controllerLine, width, kLineFont, Align::Left, 6);
    b.lines.push_back({0, 5.5, width, 5.5});
    b.height = 8;
    return b;
}

Band Footer(double width) {
    Band b = report::PageOfPagesFooter(width, 6, 5, kLineFont);
    b.lines.push_back({0, 0.5, width, 0.5});
    return b;
}

// Widths from the widest text of every column, the titles included; `breaks` tells where the
// texts of each column may go on to a further line when they are too wide together.
std::vector<Column> FittedColumns(const std::vector<std::string>& titles, const Font& titleFont,
                                  const std::vector<std::vector<std::string>>& rows,
                                  const Font& rowFont, const std::vector<Breaks>& breaks,
                                  double width, const std::vector<Align>& aligns) {
    std::vector<report::ColumnNeed> needs(titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        needs[i].Hold(titles[i], titleFont, Breaks::AtBlanks);
        for (const auto& row : rows) {
            if (i < row.size()) {
                needs[i].Hold(row[i], rowFont, breaks[i]);
            }
        }
    }
    const std::vector<double> widths = report::FitColumns(needs, width);
    std::vector<Column> columns;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        columns.push_back({titles[i], widths[i], i < aligns.size() ? aligns[i] : Align::Center});
    }
    return columns;
}

// Label and value columns alike in every section of such rows, sized from all of them.
std::vector<Column> FieldsColumns(const ProtocolContent& c, double width) {
    std::vector<std::vector<std::string>> rows;
    for (const ProtocolSection& s : c.sections) {
        if (s.kind == SectionKind::Fields) {
            rows.insert(rows.end(), s.rows.begin(), s.rows.end());
        }
    }
    return FittedColumns({"", ""}, kRowFont, rows, kRowFont, {Breaks::AtBlanks, Breaks::AtBlanks},
                         width, {Align::Left, Align::Left});
}

Table FieldsTable(const ProtocolSection& s, const std::vector<Column>& columns) {
    Table t;
    t.columns = columns;
    t.rows = s.rows;
    t.showHeader = false;
    t.rowFont = kRowFont;
    t.rowHeight = kRowHeight;
    return t;
}

// Numbers stay on one line; the names and texts give up room first.
Table ColumnTable(const ProtocolSection& s, double width) {
    Table t;
    if (s.number == kFlowComputersSection) {
        t.columns = FittedColumns(s.columns, kColumnTitleFont, s.rows, kTableRowFont,
                                  {Breaks::Never, Breaks::Never, Breaks::AtBlanks, Breaks::AtBlanks,
                                   Breaks::AtBlanks, Breaks::AtBlanks, Breaks::AtBlanks},
                                  width, {});
    } else {
        t.columns = FittedColumns(
            s.columns, kColumnTitleFont, s.rows, kTableRowFont,
            {Breaks::Never, Breaks::AtBlanks, Breaks::Never, Breaks::AtBlanks, Breaks::Anywhere,
             Breaks::Anywhere, Breaks::Anywhere, Breaks::Anywhere, Breaks::Anywhere},
            width,
            {Align::Center, Align::Left, Align::Center, Align::Center, Align::Right, Align::Right,
             Align::Right, Align::Right, Align::Right});
    }
    t.rows = s.rows;
    t.headerFont = kColumnTitleFont;
    t.rowFont = kTableRowFont;
    t.headerHeight = 4;  // a line of a title, which may take two
    t.rowHeight = kRowHeight;
    return t;
}

Table SignatureTable(const ProtocolSection& s, double width) {
    Table t;
    t.columns = FittedColumns(s.columns, kLineFont, s.rows, kLineFont,
                              {Breaks::Never, Breaks::Never, Breaks::Never}, width, {});
    t.rows = s.rows;
    t.grid = false;
    t.headerFont = {FontFamily::Sans, 8, true};
    t.rowFont = kLineFont;
    t.headerHeight = 10;
    t.rowHeight = 8;
    return t;
}

void AddSection(const ProtocolSection& s, double width, const std::vector<Column>& fields,
                std::vector<report::Element>& body) {
    if (!s.heading.empty()) {
        body.emplace_back(TextLine(s.heading, width, kHeadingFont, Align::Left, 6));
    }
    switch (s.kind) {
        case SectionKind::Fields:
            body.emplace_back(FieldsTable(s, fields));
            break;
        case SectionKind::Table:
            body.emplace_back(ColumnTable(s, width));
            break;
        case SectionKind::Signatures:
            body.emplace_back(SignatureTable(s, width));
            break;
    }
}

}  // namespace

report::Document ProtocolDocument(const ProtocolContent& content) {
    report::Document d;
    const double width = d.page.ContentWidth();
    d.title = Title(content, width);
    d.pageHeader = Header(content, width);
    d.pageFooter = Footer(width);
    const std::vector<Column> fields = FieldsColumns(content, width);
    for (std::size_t i = 0; i < content.sections.size(); ++i) {
        if (i == content.secondPageStart && i > 0) {
            d.body.emplace_back(report::PageBreak{});
        }
        AddSection(content.sections[i], width, fields, d.body);
    }
    return d;
}

}  // namespace zor06::config
