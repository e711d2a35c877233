// Column widths from the texts they hold: room left over is shared, room missing is given up
// first by the columns that may wrap.
#include "report/column_fit.h"

#include <gtest/gtest.h>

#include "report/text_metrics.h"

namespace zor06::report {
namespace {

const Font kFont{FontFamily::Sans, 8, false};

TEST(ColumnFitTest, ColumnsNeedTheirWidestTextOrOnlyTheirLongestWord) {
    ColumnNeed need;
    need.Hold("23:59:59", kFont, false);
    need.Hold("1", kFont, false);
    EXPECT_DOUBLE_EQ(need.widest, TextWidth("23:59:59", kFont) + 2 * kCellPadding);
    EXPECT_DOUBLE_EQ(need.least, need.widest);
    ColumnNeed name;
    name.Hold("Глоб. инд. архива качества калибр. хроматографа", kFont, true);
    EXPECT_DOUBLE_EQ(name.least, TextWidth("хроматографа", kFont) + 2 * kCellPadding);
    EXPECT_GT(name.widest, name.least);
}

TEST(ColumnFitTest, WidthsFillTheTableAndShrinkOnlyWhereTheyMay) {
    struct Case {
        std::vector<ColumnNeed> needs;
        double total;
        std::vector<double> widths;
    } const cases[] = {
        {{{10, 10}, {30, 30}}, 80, {20, 60}},                 // room over: shared alike
        {{{10, 10}, {60, 20}, {40, 40}}, 90, {10, 40, 40}},   // the wrapping column gives
        {{{10, 10}, {60, 20}, {60, 40}}, 100, {10, 40, 50}},  // in proportion to what they can
        {{{20, 20}, {60, 40}, {40, 40}}, 50, {10, 20, 20}},   // not even the least fits
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
