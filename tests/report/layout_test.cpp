// The layout pass: what goes on which page, repeated table headers, forced breaks, left-out
// bands and the page numbers of the footer.
#include "report/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zor06::report {
namespace {

Band TextBand(const std::string& text, double height) {
    Band b;
    b.height = height;
    b.texts.push_back({text, {0, 0, 100, height}, {}, Align::Left});
    return b;
}

Table Numbered(int rows, int maxRowsPerPage) {
    Table t;
    t.columns = {{"N", 20, Align::Right}, {"Значение", 60, Align::Left}};
    for (int i = 1; i <= rows; ++i) {
        t.rows.push_back({std::to_string(i), "v"});
    }
    t.maxRowsPerPage = maxRowsPerPage;
    return t;
}

int Count(const Page& page, const std::string& text) {
    return static_cast<int>(
        std::ranges::count_if(page.texts, [&](const Text& t) { return t.text == text; }));
}

// The pages on which a text stands, 1-based.
std::vector<int> PagesOf(const Pages& pages, const std::string& text) {
    std::vector<int> found;
    for (std::size_t i = 0; i < pages.pages.size(); ++i) {
        if (Count(pages.pages[i], text) > 0) {
            found.push_back(static_cast<int>(i) + 1);
        }
    }
    return found;
}

const Text& Find(const Page& page, const std::string& text) {
    const auto it = std::ranges::find_if(page.texts, [&](const Text& t) { return t.text == text; });
    EXPECT_NE(it, page.texts.end()) << text;
    return *it;
}

TEST(LayoutTest, TableRowsSplitByTheRowLimitAndByThePageHeight) {
    struct Case {
        int rows;
        int maxRowsPerPage;
        double rowHeight;
        std::size_t pages;
        std::vector<int> pageOfRow;  // rows 1, 2, ... up to the listed ones
    } const cases[] = {
        {10, 4, 5, 3, {1, 1, 1, 1, 2, 2, 2, 2, 3, 3}},
        {8, 4, 5, 2, {1, 1, 1, 1, 2, 2, 2, 2}},
        {3, 0, 5, 1, {1, 1, 1}},
        // 277 mm of content, a 6 mm header: 45 rows of 6 mm on the first page.
        {46, 0, 6, 2, std::vector<int>(45, 1)},
    };
    for (const Case& c : cases) {
        Document d;
        Table t = Numbered(c.rows, c.maxRowsPerPage);
        t.rowHeight = c.rowHeight;
        d.body.emplace_back(t);
        const Pages p = Layout(d);
        EXPECT_EQ(p.pages.size(), c.pages) << c.rows << " rows";
        for (std::size_t r = 0; r < c.pageOfRow.size(); ++r) {
            EXPECT_EQ(PagesOf(p, std::to_string(r + 1)), std::vector<int>{c.pageOfRow[r]})
                << "row " << r + 1 << " of " << c.rows;
        }
    }
}

TEST(LayoutTest, TableHeaderRepeatsAboveTheRowsOfEveryPage) {
    Document d;
    d.body.emplace_back(Numbered(7, 3));
    const Pages p = Layout(d);
    ASSERT_EQ(p.pages.size(), 3U);
    for (const Page& page : p.pages) {
        ASSERT_EQ(Count(page, "Значение"), 1);
        const double headerY = Find(page, "Значение").box.y;
        for (const Text& t : page.texts) {
            if (t.text == "v") {
                EXPECT_GT(t.box.y, headerY);
            }
        }
    }
}

TEST(LayoutTest, ForcedBreaksStartPagesButNeverAnEmptyOne) {
    struct Case {
        std::vector<Element> body;
        std::vector<int> pageOfB;
        std::size_t pages;
    };
    const Case cases[] = {
        {{TextBand("a", 10), PageBreak{}, TextBand("b", 10)}, {2}, 2},
        {{PageBreak{}, TextBand("b", 10)}, {1}, 1},
        {{TextBand("a", 10), PageBreak{}, PageBreak{}, TextBand("b", 10)}, {2}, 2},
        {{TextBand("b", 10), PageBreak{}}, {1}, 1},
    };
    for (const Case& c : cases) {
        Document d;
        d.body = c.body;
        const Pages p = Layout(d);
        EXPECT_EQ(p.pages.size(), c.pages);
        EXPECT_EQ(PagesOf(p, "b"), c.pageOfB);
    }
}

TEST(LayoutTest, LeftOutBandsAndTablesTakeNoHeight) {
    Document shown;
    Document hidden;
    Band middle = TextBand("middle", 40);
    Table table = Numbered(3, 0);
    for (Document* d : {&shown, &hidden}) {
        d->body = {TextBand("top", 10), middle, table, TextBand("bottom", 10)};
        middle.visible = false;
        table.visible = false;
    }
    const Pages withAll = Layout(shown);
    const Pages without = Layout(hidden);
    const double topY = Find(without.pages[0], "top").box.y;
    EXPECT_DOUBLE_EQ(Find(without.pages[0], "bottom").box.y, topY + 10);
    EXPECT_DOUBLE_EQ(Find(withAll.pages[0], "bottom").box.y, topY + 10 + 40 + 6 + 3 * 5);
    EXPECT_TRUE(PagesOf(without, "middle").empty());
    EXPECT_TRUE(PagesOf(without, "1").empty());
    EXPECT_TRUE(without.pages[0].frames.empty());
}

TEST(LayoutTest, FooterCarriesItsPageAndThePageCount) {
    Document d;
    d.pageFooter.height = 6;
    d.pageFooter.texts.push_back({"Лист {page}", {0, 0, 30, 6}, {}, Align::Left});
    d.pageFooter.texts.push_back({"из {pages}", {30, 0, 30, 6}, {}, Align::Left});
    d.title = TextBand("Заголовок", 20);
    d.pageHeader = TextBand("Шапка", 8);
    d.body = {TextBand("1", 10), PageBreak{}, TextBand("2", 10), PageBreak{}, TextBand("3", 10)};
    const Pages p = Layout(d);
    ASSERT_EQ(p.pages.size(), 3U);
    for (int i = 1; i <= 3; ++i) {
        const Page& page = p.pages[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(Count(page, "Лист " + std::to_string(i)), 1);
        EXPECT_EQ(Count(page, "из 3"), 1);
        EXPECT_EQ(Count(page, "Шапка"), 1);
        EXPECT_DOUBLE_EQ(Find(page, "из 3").box.y, 297 - 10 - 6);
    }
    EXPECT_EQ(PagesOf(p, "Заголовок"), std::vector<int>{1});
    EXPECT_DOUBLE_EQ(Find(p.pages[0], "1").box.y, 10 + 20 + 8);
    EXPECT_DOUBLE_EQ(Find(p.pages[1], "2").box.y, 10 + 8);
}

TEST(LayoutTest, SummaryGoesOnAPageOfItsOwnOnlyWhenAsked) {
    for (const bool own : {false, true}) {
        Document d;
        d.body = {TextBand("rows", 10)};
        d.summary = TextBand("Итого", 10);
        d.summaryOnNewPage = own;
        EXPECT_EQ(PagesOf(Layout(d), "Итого"), std::vector<int>{own ? 2 : 1});
    }
}

}  // namespace
}  // namespace zor06::report
