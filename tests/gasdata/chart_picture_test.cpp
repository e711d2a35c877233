// Where the chart's picture is proposed: in the view's folder of the work directory, under the
// name a saved data file of the view would take, with ".png".
#include "gasdata/chart_picture.h"

#include <gtest/gtest.h>

namespace zor06::gasdata {
namespace {

TEST(ChartPicture, ProposedBesideTheViewsDataFiles) {
    struct Case {
        DataKind kind;
        const char* proposed;
    } const cases[] = {
        {DataKind::WmtHour, "/work/HOURDATA/zor_06_005_190307.png"},
        {DataKind::ChrMinute, "/work/MOMDATA/zor_06_005_R_2_190307.png"},
        {DataKind::ChrDay, "/work/DAYDATA/zor_06-005_R_2_190307.png"},
    };
    for (const Case& c : cases) {
        DataSet set;
        set.kind = c.kind;
        set.header.SetKind(KindOf(c.kind).kindLetters);
        set.header.address = 5;
        const char run[] = " R/2 ";
        std::copy(std::begin(run), std::end(run) - 1, set.header.runName.begin());
        const dialogue::FileChoice choice = ChartPictureChoice(set, "/work", {19, 3, 7, 0, 0, 0});
        EXPECT_EQ(choice.proposed, c.proposed);
        EXPECT_EQ(choice.dir, std::filesystem::path(c.proposed).parent_path());
        EXPECT_EQ(choice.pattern, "*.png");
        EXPECT_EQ(choice.title, "Сохранить как PNG");
    }
}

}  // namespace
}  // namespace zor06::gasdata
