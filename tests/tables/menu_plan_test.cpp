// Which commands the main window offers in each state.
#include "tables/menu_plan.h"

#include <gtest/gtest.h>

#include "text/codepage.h"

namespace zor06::tables {
namespace {

class MenuPlanTest : public ::testing::Test {
protected:
    void SetUp() override {
        image.SetBytes(6, {3, 201, 3, 10, 201, 4, 9, 1, 1, 1, 0, 1});
        image.SetText(5, 1, text::Utf8ToCp1251("Нитка Север"));
        image.SetText(5, 2, text::Utf8ToCp1251("Нитка Юг"));
        image.SetByte(14, 7, 3);
    }
    static bool Hidden(const MenuPlan& plan, const std::string& name) {
        return plan.hidden.count(name) != 0;
    }
    ControllerImage image;
};

TEST_F(MenuPlanTest, UnconnectedHidesTheControllerCommandsAndOffersAnExistingFirmwareWriter) {
    const MenuPlan without = PlanMenus(false, image, false);
    EXPECT_TRUE(Hidden(without, "NChrom_RdHour"));
    EXPECT_TRUE(Hidden(without, "NIdentPar"));
    EXPECT_TRUE(Hidden(without, "NProgr_Wr"));
    EXPECT_FALSE(Hidden(without, "Nconnect"));
    EXPECT_FALSE(PlanMenus(false, image, true).hidden.count("NProgr_Wr"));
}

TEST_F(MenuPlanTest, IdentifiedFollowsTheSystemParameters) {
    MenuPlan plan = PlanMenus(true, image, true);
    EXPECT_TRUE(Hidden(plan, "NProgr_Wr"));
    EXPECT_FALSE(Hidden(plan, "NConnWMT"));
    EXPECT_FALSE(Hidden(plan, "NCurrVich"));
    EXPECT_FALSE(Hidden(plan, "NIdentPar"));

    image.SetByte(6, 8, 0);  // no moisture meter
    image.SetByte(6, 9, 0);  // no flow computers
    plan = PlanMenus(true, image, false);
    for (const char* name : {"NConnWMT", "NWmt_Data", "NCurrVich", "NVrgConn", "NDistr",
                             "Ndistrpar", "NFormate", "NChrom_MeanData", "NWmt_MeanData"}) {
        EXPECT_TRUE(Hidden(plan, name)) << name;
    }
}

TEST_F(MenuPlanTest, RunItemsTakeTheRunNamesAndTheRunsInUse) {
    MenuPlan plan = PlanMenus(true, image, false);
    EXPECT_EQ(plan.runCaptions[0], "Нитка Север");
    EXPECT_EQ(plan.runCaptions[1], "Нитка Юг");
    EXPECT_TRUE(plan.runVisible[0] && plan.runVisible[1]);

    image.SetByte(14, 7, 1);
    plan = PlanMenus(true, image, false);
    EXPECT_TRUE(plan.runVisible[0]);
    EXPECT_FALSE(plan.runVisible[1]);
}

}  // namespace
}  // namespace zor06::tables
