// The printed data reports: chunks and pages, where the summary goes, what the title and the
// summary say, as the laid-out pages show them.
#include "gasdata/data_report.h"

#include <algorithm>
#include <limits>

#include <gtest/gtest.h>

#include "report/layout.h"
#include "report/text_metrics.h"
#include "tests/gasdata/sample_views.h"

namespace zor06::gasdata {
namespace {

using Sizes = std::vector<std::size_t>;

dataset::HdmHeader Header() {
    dataset::HdmHeader h;
    const std::string controller = " \xC3\xD0\xD1-1 ";  // "ГРС-1" in Windows-1251
    std::copy(controller.begin(), controller.end(), h.controllerName.begin());
    const std::string run = "\xD1\xE5\xE2\xE5\xF0  ";  // "Север"
    std::copy(run.begin(), run.end(), h.runName.begin());
    h.address = 5;
    h.start = {19, 3, 7, 10, 30, 0};
    h.end = {19, 3, 8, 9, 0, 0};
    h.readAt = {19, 3, 9, 14, 5, 6};
    return h;
}

std::size_t Count(const report::Page& page, const std::string& text) {
    return static_cast<std::size_t>(std::count_if(page.texts.begin(), page.texts.end(),
                                                  [&](const auto& t) { return t.text == text; }));
}

bool Has(const report::Page& page, const std::string& text) {
    return Count(page, text) > 0;
}

std::string Row(std::size_t r) {
    return "d" + std::to_string(r);
}

TEST(DataReportTest, ChunksPagesAndSummaryPlacementFollowTheRowCount) {
    const struct {
        std::size_t rows;
        Sizes chunks;
        bool inlineSummary;
    } cases[] = {
        {0, {0}, true},         {58, {58}, true},       {59, {59}, false},
        {75, {75}, false},      {76, {75, 1}, true},    {145, {75, 70}, true},
        {146, {75, 71}, false}, {160, {75, 85}, false}, {161, {75, 85, 1}, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChrChunkSizes(c.rows), c.chunks) << c.rows;
        EXPECT_EQ(ChrSummaryInline(c.chunks), c.inlineSummary) << c.rows;
    }
    EXPECT_EQ(WmtPageSizes(0), Sizes{0});
    EXPECT_EQ(WmtPageSizes(52), Sizes{52});
    EXPECT_EQ(WmtPageSizes(111), (Sizes{52, 59}));
    EXPECT_EQ(WmtPageSizes(112), (Sizes{52, 59, 1}));
}

TEST(DataReportTest, ChromatographChunksPrintTwiceAndTheSummaryGoesUnderOrAfterThem) {
    const struct {
        std::size_t rows;
        std::vector<std::size_t> firstRowOfPage;  // per table page, both halves
        std::size_t summaryPage;                  // the first of the two, counting from 1
    } cases[] = {
        {58, {1, 1}, 1},
        {59, {1, 1}, 3},
        {145, {1, 1, 76, 76}, 3},
        {160, {1, 1, 76, 76}, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        const auto pages = report::Layout(ChrDataReport(test::ChrView(DataKind::ChrHour, c.rows),
                                                        Header(), "Org", {}))
                               .pages;
        ASSERT_EQ(pages.size(), c.summaryPage + 1);
        const std::string total = " из " + std::to_string(pages.size());
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_TRUE(Has(pages[p], "Лист " + std::to_string(p + 1) + total)) << p;
            EXPECT_TRUE(Has(pages[p], "ГРС-1")) << p;
            const bool summary = p + 1 >= c.summaryPage;
            EXPECT_EQ(Count(pages[p], "Средние значения"), summary ? 1U : 0U) << p;
            EXPECT_TRUE(Has(pages[p], p % 2 == 0 ? "h1a" : "h11a")) << p;
            EXPECT_FALSE(Has(pages[p], p % 2 == 0 ? "h11a" : "h10a")) << p;
        }
        for (std::size_t p = 0; p < c.firstRowOfPage.size(); ++p) {
            const std::size_t first = c.firstRowOfPage[p];
            const std::size_t last = std::min(c.rows, first == 1 ? 75 : first + 84);
            EXPECT_TRUE(Has(pages[p], Row(first))) << p;
            EXPECT_TRUE(Has(pages[p], Row(last))) << p;
            EXPECT_FALSE(Has(pages[p], Row(last + 1))) << p;
        }
        for (std::size_t p = c.firstRowOfPage.size(); p < pages.size(); ++p) {
            EXPECT_FALSE(Has(pages[p], Row(1))) << p;  // summary pages hold no rows
        }
    }
}

TEST(DataReportTest, SummaryHoldsTheHalfsAveragesTheStandardAndSixSignatureLines) {
    const DataView view = test::ChrView(DataKind::ChrMinute, 3);
    const std::string line = "Расчет физико-химических показателей природного газа выполнен";
    const struct {
        int formula;
        int c6plus;
        std::string standard;
    } standards[] = {
        {0, 0, " по ДСТУ ISO 6976:2009:"},
        {1, 0, " по ГОСТ 22667-82 и ГОСТ 30319.1-96"},
        {2, 1, " по ISO 6976:2016, t1=15 °C, t2=20 °C, C6+ как C6-C8:"},
    };
    for (const auto& [formula, c6plus, standard] : standards) {
        settings::ReportConfig config;
        config.calcFormula = formula;
        config.isoCombustion = 15;
        config.isoMetering = 20;  // two digits each: the widest line
        config.c6plus = c6plus;
        const auto pages = report::Layout(ChrDataReport(view, Header(), "", config)).pages;
        ASSERT_EQ(pages.size(), 2U);
        for (const report::Page& page : pages) {
            const auto named = std::ranges::find(page.texts, line + standard, &report::Text::text);
            ASSERT_NE(named, page.texts.end()) << standard;
            EXPECT_LE(report::TextWidth(named->text, named->font), named->box.width) << standard;
            EXPECT_EQ(Count(page, "_________________________________________"), 6U);
        }
        // The averages by parameter, shown in display order with each column's decimals.
        EXPECT_TRUE(Has(pages[0], "0.5000"));
        EXPECT_TRUE(Has(pages[0], "9.5000"));
        EXPECT_FALSE(Has(pages[0], "10.5000"));
        EXPECT_TRUE(Has(pages[1], "10.5000"));
        EXPECT_TRUE(Has(pages[1], "16.50"));
        EXPECT_TRUE(Has(pages[1], "19.5000"));
    }
    DataView odd = view;
    odd.averages[static_cast<std::size_t>(view.valueParameters[0])] =
        std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(Has(report::Layout(ChrDataReport(odd, Header(), "", {})).pages[0], "NAN"));
}

TEST(DataReportTest, TitleNamesOrganisationControllerDataPeriodAndReading) {
    const struct {
        DataKind kind;
        const char* what;
        const char* period;
    } cases[] = {
        {DataKind::ChrHour, "Часовые измерительные данные нитки \"Север\" хроматографа",
         "за период  с  07.03.19  10ч  по  08.03.19  09ч"},
        {DataKind::ChrDay, "Суточные измерительные данные нитки \"Север\" хроматографа",
         "за период  с  07.03.19  по  08.03.19"},
        {DataKind::ChrMinute, "Мгновенные данные нитки \"Север\" хроматографа",
         "за период  с  07.03.19 10:30:00  по  08.03.19 09:00:00"},
        {DataKind::WmtHour, "Часовые измерительные данные влагомера",
         "за период  с  07.03.19  10ч  по  08.03.19  09ч"},
        {DataKind::WmtDay, "Суточные измерительные данные влагомера",
         "за период  с  07.03.19  по  08.03.19"},
        {DataKind::WmtMinute, "Мгновенные данные влагомера",
         "за период  с  07.03.19 10:30:00  по  08.03.19 09:00:00"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> expected{"ООО Газ", "Контроллер \"ГРС-1\"  (адрес 5)",
                                                c.what, c.period,
                                                "Составлен программой zor_05  09.03.19  14:05:06"};
        EXPECT_EQ(DataTitleLines(c.kind, Header(), "ООО Газ"), expected);
    }
}

TEST(DataReportTest, MoisturePrintsAllColumnsOnPagesOf52Then59RowsWithoutSummary) {
    const auto pages =
        report::Layout(WmtDataReport(test::WmtView(DataKind::WmtHour, 111), Header(), "Org")).pages;
    ASSERT_EQ(pages.size(), 2U);
    const std::size_t first[] = {1, 53};
    const std::size_t last[] = {52, 111};
    for (std::size_t p = 0; p < 2; ++p) {
        EXPECT_TRUE(Has(pages[p], "Лист " + std::to_string(p + 1) + " из 2"));
        EXPECT_TRUE(Has(pages[p], Row(first[p])));
        EXPECT_TRUE(Has(pages[p], Row(last[p])));
        EXPECT_FALSE(Has(pages[p], Row(last[p] + 1)));
        for (const char* heading : {"начала", "конца", "контроллера", "Прив. Т т.росы", "bar"}) {
            EXPECT_TRUE(Has(pages[p], heading)) << heading;
        }
        EXPECT_TRUE(Has(pages[p], "Норма"));
        EXPECT_TRUE(Has(pages[p], "-12.5000"));
        EXPECT_FALSE(Has(pages[p], "Средние значения"));
    }
    const auto minute =
        report::Layout(WmtDataReport(test::WmtView(DataKind::WmtMinute, 1), Header(), "")).pages;
    ASSERT_EQ(minute.size(), 1U);
    EXPECT_TRUE(Has(minute[0], "Признаки"));
    EXPECT_TRUE(Has(minute[0], "влагомера"));
}

}  // namespace
}  // namespace zor06::gasdata
