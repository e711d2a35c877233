#include "config/protocol_document.h"

#include <numeric>

namespace zor06::config {
namespace {

using report::Align;
using report::Band;
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
    Band b;
    b.height = 6;
    b.lines.push_back({0, 0.5, width, 0.5});
    b.texts.push_back({std::string("Лист ") + report::kPagePlaceholder,
                       {width - 50, 1, 24, 5},
                       kLineFont,
                       Align::Right});
    b.texts.push_back({std::string("из ") + report::kPageCountPlaceholder,
                       {width - 24, 1, 24, 5},
                       kLineFont,
                       Align::Left});
    return b;
}

// Column widths as shares of the content width.
std::vector<Column> Columns(const std::vector<std::string>& titles,
                            const std::vector<double>& shares, double width,
                            const std::vector<Align>& aligns) {
    const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
    std::vector<Column> columns;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        const double share = i < shares.size() ? shares[i] : 1;
        columns.push_back(
            {titles[i], width * share / total, i < aligns.size() ? aligns[i] : Align::Center});
    }
    return columns;
}

Table FieldsTable(const ProtocolSection& s, double width) {
    Table t;
    t.columns = Columns({"", ""}, {115, 70}, width, {Align::Left, Align::Left});
    t.rows = s.rows;
    t.showHeader = false;
    t.rowFont = kRowFont;
    t.rowHeight = kRowHeight;
    return t;
}

Table ColumnTable(const ProtocolSection& s, double width) {
    Table t;
    if (s.number == kFlowComputersSection) {
        t.columns = Columns(s.columns, {8, 12, 32, 30, 34, 34, 34}, width, {});
    } else {
        t.columns = Columns(s.columns, {7, 44, 14, 20, 20, 20, 20, 20, 20}, width,
                            {Align::Center, Align::Left, Align::Center, Align::Center, Align::Right,
                             Align::Right, Align::Right, Align::Right, Align::Right});
    }
    t.rows = s.rows;
    t.headerFont = kColumnTitleFont;
    t.rowFont = kTableRowFont;
    t.headerHeight = 6;
    t.rowHeight = kRowHeight;
    return t;
}

Table SignatureTable(const ProtocolSection& s, double width) {
    Table t;
    t.columns = Columns(s.columns, {1, 1, 1}, width, {});
    t.rows = s.rows;
    t.grid = false;
    t.headerFont = {FontFamily::Sans, 8, true};
    t.rowFont = kLineFont;
    t.headerHeight = 10;
    t.rowHeight = 8;
    return t;
}

void AddSection(const ProtocolSection& s, double width, std::vector<report::Element>& body) {
    if (!s.heading.empty()) {
        body.emplace_back(TextLine(s.heading, width, kHeadingFont, Align::Left, 6));
    }
    switch (s.kind) {
        case SectionKind::Fields:
            body.emplace_back(FieldsTable(s, width));
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
    for (std::size_t i = 0; i < content.sections.size(); ++i) {
        if (i == content.secondPageStart && i > 0) {
            d.body.emplace_back(report::PageBreak{});
        }
        AddSection(content.sections[i], width, d.body);
    }
    return d;
}

}  // namespace zor06::config
