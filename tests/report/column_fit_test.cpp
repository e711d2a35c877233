// Column widths from the texts they hold: room left over is shared, room missing is given up
// first by names between their words, then by numbers, never by dates.
#include "report/column_fit.h"

#include <gtest/gtest.h>

#include "report/text_metrics.h"

namespace zor06::report {
namespace {

const Font kFont{FontFamily::Sans, 8, false};

double Padded(const char* text) {
    return TextWidth(text, kFont) + 2 * kCellPadding;
}

TEST(ColumnFitTest, ColumnsNeedTheirWidestTextAndGiveUpOnlyWhatTheirBreaksAllow) {
    const char* name = "Глоб. инд. архива качества калибр. хроматографа";
    const char* number = "-1234500048004035767283367444480";
    const struct {
        const char* text;
        Breaks breaks;
        std::size_t leastLines;  // at the least width, before numbers break
        double floor;
    } cases[] = {
        {"23:59:59", Breaks::Never, 1, Padded("23:59:59")},
        {name, Breaks::AtBlanks, 2, Padded("хроматографа")},
        {number, Breaks::Anywhere, 1, Padded("-")},
    };
    for (const auto& c : cases) {
        ColumnNeed need;
        need.Hold(c.text, kFont, c.breaks);
        need.Hold("1", kFont, c.breaks);
        EXPECT_DOUBLE_EQ(need.widest, Padded(c.text)) << c.text;
        EXPECT_EQ(WrapText(c.text, kFont, need.least - 2 * kCellPadding).size(), c.leastLines)
            << c.text;
        EXPECT_LT(need.least, Padded(c.text) * (c.leastLines == 2 ? 0.6 : 1.01)) << c.text;
        EXPECT_DOUBLE_EQ(need.floor, std::max(c.floor, Padded("1"))) << c.text;
    }
}

TEST(ColumnFitTest, WidthsFillTheTableAndShrinkOnlyWhereTheyMay) {
    struct Case {
        std::vector<ColumnNeed> needs;
        double total;
        std::vector<double> widths;
    } const cases[] = {
        {{{10, 10, 10}, {30, 30, 30}}, 80, {20, 60}},                     // room over: shared
        {{{10, 10, 10}, {60, 20, 20}, {40, 40, 10}}, 90, {10, 40, 40}},   // the name gives
        {{{10, 10, 10}, {60, 20, 20}, {60, 40, 40}}, 100, {10, 40, 50}},  // as far as it can
        {{{10, 10, 10}, {60, 20, 20}, {50, 50, 10}}, 70, {10, 20, 40}},   // then the number
        {{{20, 20, 20}, {60, 40, 40}, {40, 40, 40}}, 50, {10, 20, 20}},   // nothing fits
    };
    for (const Case& c : cases) {
        const std::vector<double> widths = FitColumns(c.needs, c.total);
        ASSERT_EQ(widths.size(), c.widths.size());
        for (std::size_t i = 0; i < widths.size(); ++i) {
            EXPECT_NEAR(widths[i], c.widths[i], 1e-9) << c.total << " column " << i;
        }
    }
}

}  // namespace
}  // namespace zor06::report
