#include "gasdata/data_report.h"

#include <algorithm>
#include <span>

#include "gasdata/calculation_method.h"
#include "gasdata/data_report_bands.h"
#include "gasdata/display_conversion.h"
#include "gasdata/exported_cells.h"
#include "report/text_metrics.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

using report::Align;
using report::Band;
using report::Font;
using report::FontFamily;

constexpr std::size_t kFirstChunk = 75;
constexpr std::size_t kLaterChunk = 85;
constexpr std::size_t kInlineAfterFirst = 58;
constexpr std::size_t kInlineAfterLater = 70;
constexpr std::size_t kWmtFirstPage = 52;
constexpr std::size_t kWmtLaterPage = 59;
constexpr std::size_t kHalfColumns = 10;

// Sized so that the chunks and pages above fill a portrait sheet under the title and headings.
constexpr PrintStyle kChrStyle{
    {FontFamily::Sans, 6, true}, 3.0, 4, {FontFamily::Sans, 6, false}, 2.95};
constexpr PrintStyle kWmtStyle{
    {FontFamily::Sans, 7, true}, 3.2, 4, {FontFamily::Sans, 7, false}, 4.2};
constexpr double kChrDateWidth = 14;
constexpr double kChrTimeWidth = 13;
constexpr double kWmtLeftWidth = 20;

constexpr Font kSummaryFont{FontFamily::Sans, 6, false};
constexpr Font kSummaryLineFont{FontFamily::Sans, 8, false};
constexpr double kAveragesHeight = 5;
constexpr double kAverageLineHeight = 2.6;
constexpr double kSummaryLineHeight = 5;
constexpr double kSignatureHeight = 7;
constexpr int kSignatureRows = 3;  // six lines, two to a row
constexpr const char* kSignatureLine = "_________________________________________";
constexpr const char* kCalculationLine =
    "Расчет физико-химических показателей природного газа выполнен";

std::vector<std::size_t> Split(std::size_t rows, std::size_t first, std::size_t later) {
    std::vector<std::size_t> sizes;
    std::size_t room = first;
    do {
        sizes.push_back(std::min(rows, room));
        rows -= sizes.back();
        room = later;
    } while (rows > 0);
    return sizes;
}

std::vector<std::string> Cells(const DataRow& row, std::size_t left,
                               std::span<const std::size_t> values) {
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < left; ++c) {
        cells.emplace_back(c < row.left.size() ? TrimBlanks(row.left[c]) : "");
    }
    for (const std::size_t v : values) {
        cells.emplace_back(v < row.values.size() ? TrimBlanks(row.values[v]) : "");
    }
    return cells;
}

std::vector<std::vector<std::string>> RowCells(const DataView& view, std::size_t from,
                                               std::size_t count, std::size_t left,
                                               std::span<const std::size_t> values) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(count);
    for (std::size_t r = from; r < from + count; ++r) {
        rows.push_back(Cells(view.rows[r], left, values));
    }
    return rows;
}

PrintColumn ValueColumn(const ColumnHeading& h, double width) {
    return {width, {h.lines[0], h.lines[1], h.lines[2], h.unit}};
}

report::Document Frame(DataKind kind, const dataset::HdmHeader& header,
                       std::string_view organisation) {
    report::Document doc;
    const double width = doc.page.ContentWidth();
    doc.title = TitleBand(DataTitleLines(kind, header, organisation), width);
    doc.pageHeader = PageHeaderBand(HeaderName(header.controllerName), width);
    doc.pageFooter = PageFooterBand(width);
    return doc;
}

void StartPage(report::Document& doc) {
    if (!doc.body.empty()) {
        doc.body.emplace_back(report::PageBreak{});
    }
}

// One half of a chromatograph printout: the date and time columns and ten value columns.
struct ChrHalf {
    std::vector<PrintColumn> columns;
    std::size_t left = 0;
    std::vector<std::size_t> values;  // display columns of the view
};

std::vector<PrintColumn> ChrLeftColumns(DataKind kind) {
    if (IsThreeMinute(kind)) {
        return {{kChrDateWidth, {"", "Дата"}}, {kChrTimeWidth, {"", "Время"}}};
    }
    return {{kChrDateWidth, {"", "Дата"}},
            {kChrTimeWidth, {"", "Время", "Начало"}},
            {kChrTimeWidth, {"", "Время", "Конец"}}};
}

ChrHalf MakeHalf(const DataView& view, std::size_t half, double pageWidth) {
    ChrHalf h;
    h.columns = ChrLeftColumns(view.kind);
    h.left = h.columns.size();
    double leftWidth = 0;
    for (const PrintColumn& c : h.columns) {
        leftWidth += c.width;
    }
    const double step = (pageWidth - leftWidth) / static_cast<double>(kHalfColumns);
    for (std::size_t v = half * kHalfColumns;
         v < std::min(view.valueHeadings.size(), (half + 1) * kHalfColumns); ++v) {
        h.values.push_back(v);
        h.columns.push_back(ValueColumn(view.valueHeadings[v], step));
    }
    return h;
}

std::string AverageText(const DataView& view, std::size_t column) {
    if (column >= view.valueParameters.size()) {
        return {};
    }
    const auto parameter = static_cast<std::size_t>(view.valueParameters[column]);
    const int decimals = column < view.valueDecimals.size() ? view.valueDecimals[column] : 4;
    if (parameter >= view.averages.size()) {
        return {};
    }
    return FixedText(view.averages[parameter], decimals);
}

Band SummaryBand(const DataView& view, const ChrHalf& half, const settings::ReportConfig& config,
                 double width) {
    Band band;
    double x = 0;
    for (std::size_t c = 0; c < half.left; ++c) {
        x += half.columns[c].width;
    }
    // An average too wide for its column goes on further lines, all the row taller.
    std::vector<std::vector<std::string>> averages;
    std::size_t most = 1;
    for (std::size_t i = 0; i < half.values.size(); ++i) {
        averages.push_back(report::WrapText(AverageText(view, half.values[i]), kSummaryFont,
                                            half.columns[half.left + i].width - 2));
        most = std::max(most, averages.back().size());
    }
    const double top = (kAveragesHeight - kAverageLineHeight) / 2;
    const double height = kAveragesHeight + kAverageLineHeight * static_cast<double>(most - 1);
    band.frames.push_back({{0, 0, x, height}});
    band.texts.push_back({"Средние значения", {1, 0, x - 2, height}, kSummaryFont, Align::Left});
    for (std::size_t i = 0; i < averages.size(); ++i) {
        const double w = half.columns[half.left + i].width;
        band.frames.push_back({{x, 0, w, height}});
        for (std::size_t l = 0; l < averages[i].size(); ++l) {
            band.texts.push_back({averages[i][l],
                                  {x + 1, top + kAverageLineHeight * static_cast<double>(l), w - 2,
                                   kAverageLineHeight},
                                  kSummaryFont,
                                  Align::Center});
        }
        x += w;
    }
    double y = height + 2;
    band.texts.push_back({std::string(kCalculationLine) + " " + ReportStandardText(config),
                          {0, y, width, kSummaryLineHeight},
                          kSummaryLineFont,
                          Align::Left});
    y += kSummaryLineHeight + 2;
    for (int r = 0; r < kSignatureRows; ++r) {
        for (int side = 0; side < 2; ++side) {
            band.texts.push_back({kSignatureLine,
                                  {side * width / 2, y, width / 2, kSignatureHeight},
                                  kSummaryLineFont,
                                  Align::Left});
        }
        y += kSignatureHeight;
    }
    band.height = y;
    return band;
}

std::vector<PrintColumn> WmtColumns(const DataView& view, double pageWidth) {
    std::vector<PrintColumn> columns;
    if (IsThreeMinute(view.kind)) {
        columns = {{kWmtLeftWidth, {"", "Дата"}},
                   {kWmtLeftWidth, {"", "Время"}},
                   {kWmtLeftWidth, {"Статус", "контроллера"}},
                   {kWmtLeftWidth, {"Признаки", "состояния", "влагомера"}}};
    } else {
        columns = {{kWmtLeftWidth, {"Дата", "начала"}},
                   {kWmtLeftWidth, {"Время", "начала"}},
                   {kWmtLeftWidth, {"Время", "конца"}},
                   {kWmtLeftWidth, {"Статус", "контроллера"}}};
    }
    const double left = kWmtLeftWidth * static_cast<double>(columns.size());
    const double step = (pageWidth - left) /
                        static_cast<double>(std::max<std::size_t>(view.valueHeadings.size(), 1));
    for (const ColumnHeading& h : view.valueHeadings) {
        columns.push_back(ValueColumn(h, step));
    }
    return columns;
}

std::string PeriodLine(DataKind kind, const dataset::HdmHeader& header) {
    const auto& s = header.start;
    const auto& e = header.end;
    if (IsThreeMinute(kind)) {
        return text::Printf(
            "за период  с  %02d.%02d.%02d %02d:%02d:00  по  %02d.%02d.%02d "
            "%02d:%02d:00",
            s[2], s[1], s[0], s[3], s[4], e[2], e[1], e[0], e[3], e[4]);
    }
    if (IsDaily(kind)) {
        return text::Printf("за период  с  %02d.%02d.%02d  по  %02d.%02d.%02d", s[2], s[1], s[0],
                            e[2], e[1], e[0]);
    }
    return text::Printf("за период  с  %02d.%02d.%02d  %02dч  по  %02d.%02d.%02d  %02dч", s[2],
                        s[1], s[0], s[3], e[2], e[1], e[0], e[3]);
}

std::string WhatLine(DataKind kind, const dataset::HdmHeader& header) {
    const std::string run = HeaderName(header.runName);
    switch (kind) {
        case DataKind::ChrHour:
            return text::Printf("Часовые измерительные данные нитки \"%s\" хроматографа",
                                run.c_str());
        case DataKind::ChrDay:
            return text::Printf("Суточные измерительные данные нитки \"%s\" хроматографа",
                                run.c_str());
        case DataKind::ChrMinute:
            return text::Printf("Мгновенные данные нитки \"%s\" хроматографа", run.c_str());
        case DataKind::WmtHour:
            return "Часовые измерительные данные влагомера";
        case DataKind::WmtDay:
            return "Суточные измерительные данные влагомера";
        case DataKind::WmtMinute:
            break;
    }
    return "Мгновенные данные влагомера";
}

}  // namespace

std::vector<std::size_t> ChrChunkSizes(std::size_t rows) {
    return Split(rows, kFirstChunk, kLaterChunk);
}

bool ChrSummaryInline(const std::vector<std::size_t>& chunks) {
    if (chunks.empty()) {
        return true;
    }
    return chunks.back() <= (chunks.size() == 1 ? kInlineAfterFirst : kInlineAfterLater);
}

std::vector<std::size_t> WmtPageSizes(std::size_t rows) {
    return Split(rows, kWmtFirstPage, kWmtLaterPage);
}

std::vector<std::string> DataTitleLines(DataKind kind, const dataset::HdmHeader& header,
                                        std::string_view organisation) {
    const auto& r = header.readAt;
    return {
        std::string(organisation),
        text::Printf("Контроллер \"%s\"  (адрес %d)", HeaderName(header.controllerName).c_str(),
                     header.address),
        WhatLine(kind, header),
        PeriodLine(kind, header),
        text::Printf("Составлен программой zor_05  %02d.%02d.%02d  %02d:%02d:%02d", r[2], r[1],
                     r[0], r[3], r[4], r[5]),
    };
}

report::Document ChrDataReport(const DataView& view, const dataset::HdmHeader& header,
                               std::string_view organisation,
                               const settings::ReportConfig& config) {
    report::Document doc = Frame(view.kind, header, organisation);
    const double width = doc.page.ContentWidth();
    const std::array<ChrHalf, 2> halves{MakeHalf(view, 0, width), MakeHalf(view, 1, width)};
    const std::vector<std::size_t> chunks = ChrChunkSizes(view.rows.size());
    const bool summaryInline = ChrSummaryInline(chunks);
    std::size_t at = 0;
    for (std::size_t k = 0; k < chunks.size(); ++k) {
        const bool last = k + 1 == chunks.size();
        for (const ChrHalf& half : halves) {
            StartPage(doc);
            doc.body.emplace_back(RowsTable(
                half.columns, RowCells(view, at, chunks[k], half.left, half.values), kChrStyle));
            if (last && summaryInline) {
                doc.body.emplace_back(SummaryBand(view, half, config, width));
            }
        }
        at += chunks[k];
    }
    if (!summaryInline) {
        for (const ChrHalf& half : halves) {
            StartPage(doc);
            doc.body.emplace_back(HeadingBand(half.columns, kChrStyle));
            doc.body.emplace_back(SummaryBand(view, half, config, width));
        }
    }
    return doc;
}

report::Document WmtDataReport(const DataView& view, const dataset::HdmHeader& header,
                               std::string_view organisation) {
    report::Document doc = Frame(view.kind, header, organisation);
    const std::vector<PrintColumn> columns = WmtColumns(view, doc.page.ContentWidth());
    const std::size_t left = columns.size() - view.valueHeadings.size();
    std::vector<std::size_t> values(view.valueHeadings.size());
    for (std::size_t v = 0; v < values.size(); ++v) {
        values[v] = v;
    }
    std::size_t at = 0;
    for (const std::size_t n : WmtPageSizes(view.rows.size())) {
        StartPage(doc);
        doc.body.emplace_back(RowsTable(columns, RowCells(view, at, n, left, values), kWmtStyle));
        at += n;
    }
    return doc;
}

}  // namespace zor06::gasdata
