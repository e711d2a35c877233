#include "report/layout.h"

#include <algorithm>

#include "report/text_metrics.h"

namespace zor06::report {
namespace {

// A document's bands that were never filled in.
bool Empty(const Band& b) {
    return b.height == 0 && b.texts.empty() && b.lines.empty() && b.frames.empty();
}

// Places bands on pages, opening a new page when the next one does not fit.
class PageFiller {
public:
    explicit PageFiller(const Document& d) : doc_(d) { result_.geometry = d.page; }

    void Place(const Band& band) {
        if (!band.visible || Empty(band)) {
            return;
        }
        TakeBreak();
        if (!Fits(band.height)) {
            NewPage();
        }
        Put(band);
    }

    void Place(const Table& table) {
        if (!table.visible) {
            return;
        }
        TakeBreak();
        const Band header = HeaderBand(table);
        const double headerHeight = table.showHeader ? header.height : 0;
        if (!Fits(headerHeight + (table.rows.empty() ? 0 : table.rowHeight))) {
            NewPage();
        }
        PutHeader(table, header);
        int rowsOnPage = 0;
        for (const auto& row : table.rows) {
            const bool full = table.maxRowsPerPage > 0 && rowsOnPage >= table.maxRowsPerPage;
            const Band band = RowBand(table, row);
            if (full || !Fits(band.height)) {
                NewPage();
                PutHeader(table, header);
                rowsOnPage = 0;
            }
            Put(band);
            ++rowsOnPage;
        }
    }

    // The break waits for something to follow it, so that a break at the end adds no page.
    void Place(const PageBreak&) { breakPending_ = breakPending_ || hasBody_; }

    void PlaceSummary() {
        if (!doc_.summary.visible || Empty(doc_.summary)) {
            return;
        }
        if (doc_.summaryOnNewPage && hasBody_) {
            NewPage();
        }
        Place(doc_.summary);
    }

    Pages Finish() {
        if (result_.pages.empty()) {
            NewPage();
        }
        const int count = static_cast<int>(result_.pages.size());
        for (int i = 0; i < count; ++i) {
            for (Text& t : result_.pages[static_cast<std::size_t>(i)].texts) {
                t.text = FillPageNumbers(t.text, i + 1, count);
            }
        }
        return std::move(result_);
    }

    void NewPage() {
        const PageGeometry& g = doc_.page;
        result_.pages.emplace_back();
        y_ = g.marginTop;
        hasBody_ = false;
        if (result_.pages.size() == 1) {
            PutIfVisible(doc_.title);
        }
        PutIfVisible(doc_.pageHeader);
        bottom_ = g.height - g.marginBottom;
        if (doc_.pageFooter.visible) {
            bottom_ -= doc_.pageFooter.height;
            const double keep = y_;
            y_ = bottom_;
            Put(doc_.pageFooter);
            y_ = keep;
        }
        hasBody_ = false;
    }

private:
    void TakeBreak() {
        if (breakPending_) {
            breakPending_ = false;
            NewPage();
        }
    }

    // A band that does not fit even an empty page goes on one anyway, so that layout ends.
    bool Fits(double height) {
        if (result_.pages.empty()) {
            NewPage();
        }
        return !hasBody_ || y_ + height <= bottom_ + 1e-9;
    }

    void PutIfVisible(const Band& band) {
        if (band.visible) {
            Put(band);
        }
    }

    void Put(const Band& band) {
        Page& page = result_.pages.back();
        const double x0 = doc_.page.marginLeft;
        for (Text t : band.texts) {
            t.box.x += x0;
            t.box.y += y_;
            page.texts.push_back(std::move(t));
        }
        for (Line l : band.lines) {
            l.x1 += x0;
            l.x2 += x0;
            l.y1 += y_;
            l.y2 += y_;
            page.lines.push_back(l);
        }
        for (Frame f : band.frames) {
            f.box.x += x0;
            f.box.y += y_;
            page.frames.push_back(f);
        }
        y_ += band.height;
        hasBody_ = true;
    }

    void PutHeader(const Table& table, const Band& header) {
        if (table.showHeader) {
            Put(header);
        }
    }

    // Every cell's lines, and the band as high as the cell of most lines needs.
    static Band CellsBand(const Table& table, const std::vector<std::string>& cells,
                          double lineHeight, const Font& font) {
        std::vector<std::vector<std::string>> lines;
        std::size_t most = 1;
        for (std::size_t i = 0; i < table.columns.size() && i < cells.size(); ++i) {
            lines.push_back(WrapText(cells[i], font, table.columns[i].width - 2 * kCellPadding));
            most = std::max(most, lines.back().size());
        }
        Band band;
        band.height = lineHeight * static_cast<double>(most);
        double x = 0;
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const Column& c = table.columns[i];
            const double room = c.width - 2 * kCellPadding;
            for (std::size_t l = 0; i < lines.size() && l < lines[i].size(); ++l) {
                band.texts.push_back(
                    {std::move(lines[i][l]),
                     {x + kCellPadding, lineHeight * static_cast<double>(l), room, lineHeight},
                     font,
                     c.align});
            }
            if (table.grid) {
                band.frames.push_back({{x, 0, c.width, band.height}});
            }
            x += c.width;
        }
        return band;
    }

    static Band HeaderBand(const Table& table) {
        if (table.heading.height > 0) {
            return table.heading;
        }
        std::vector<std::string> titles;
        for (const Column& c : table.columns) {
            titles.push_back(c.title);
        }
        Band band = CellsBand(table, titles, table.headerHeight, table.headerFont);
        for (Text& t : band.texts) {
            t.align = Align::Center;
        }
        return band;
    }

    static Band RowBand(const Table& table, const std::vector<std::string>& row) {
        return CellsBand(table, row, table.rowHeight, table.rowFont);
    }

    const Document& doc_;
    Pages result_;
    double y_ = 0;
    double bottom_ = 0;
    bool hasBody_ = false;
    bool breakPending_ = false;
};

void ReplaceAll(std::string& text, std::string_view what, const std::string& with) {
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size())) {
        text.replace(at, what.size(), with);
    }
}

}  // namespace

std::string FillPageNumbers(std::string_view text, int page, int pageCount) {
    std::string result(text);
    ReplaceAll(result, kPagePlaceholder, std::to_string(page));
    ReplaceAll(result, kPageCountPlaceholder, std::to_string(pageCount));
    return result;
}

Pages Layout(const Document& document) {
    PageFiller filler(document);
    filler.NewPage();
    for (const Element& e : document.body) {
        std::visit([&](const auto& element) { filler.Place(element); }, e);
    }
    filler.PlaceSummary();
    return filler.Finish();
}

}  // namespace zor06::report
