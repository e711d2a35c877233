#include "messages/current_state.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/messages/status_sim.h"

namespace zor06::messages {
namespace {

using Values = std::map<StateItem, StateText>;

struct SignsCase {
    const char* name;
    Devices devices;
    std::vector<std::uint8_t> signs;  // table 16 from field 0
    std::vector<std::uint8_t> links;  // table 33
    Values expected;                  // every item that has a value; the others stay empty
};

const StateText kNorm{"Норма", false};
const StateText kNo{"Нет", false};
const StateText kYes{"Есть", true};

class CurrentStateFillTest : public ::testing::TestWithParam<SignsCase> {};

TEST_P(CurrentStateFillTest, ValuesFollowTheSignsAndTheDevicesPresent) {
    const SignsCase& c = GetParam();
    tables::ControllerImage image;
    std::ranges::copy(c.signs, image.Fields(16, 0, 18).begin());
    std::ranges::copy(c.links, image.Fields(33, 0, 2).begin());
    CurrentState state(c.devices);
    state.FillSigns(image);
    state.FillLinks(image);
    for (const StateLine& line : CurrentStateLines()) {
        const auto expected = c.expected.find(line.item);
        if (expected == c.expected.end()) {
            EXPECT_FALSE(state.Value(line.item).has_value()) << static_cast<int>(line.item);
        } else {
            EXPECT_EQ(state.Value(line.item), expected->second) << static_cast<int>(line.item);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CurrentStateFillTest,
    ::testing::Values(SignsCase{"AllNormalWithEveryDevice",
                                {true, true},
                                {26, 3, 9, 7, 5, 4, 0, 0, 0, 0, 0, 0},
                                {1, 1},
                                {{StateItem::ChromatographErrors, kNorm},
                                 {StateItem::ChromatographLink, kNorm},
                                 {StateItem::MoistureErrors, kNorm},
                                 {StateItem::MoistureLink, kNorm},
                                 {StateItem::FlowErrors, kNorm},
                                 {StateItem::SelfDiagnostics, kNorm},
                                 {StateItem::Run1, kNo},
                                 {StateItem::Run2, kNo},
                                 {StateItem::ChangeTime, {"09.03.26  07:05:04", false}}}},
                      SignsCase{"EverySignRaised",
                                {true, true},
                                {99, 12, 31, 23, 59, 58, 1, 12, 200, 3, 1, 7},
                                {0, 0},
                                {{StateItem::ChromatographErrors, {"Код ошибки 12", true}},
                                 {StateItem::ChromatographLink, {"Связи нет", true}},
                                 {StateItem::MoistureErrors, {"Код ошибки 200", true}},
                                 {StateItem::MoistureLink, {"Связи нет", true}},
                                 {StateItem::FlowErrors, kYes},
                                 {StateItem::SelfDiagnostics, kYes},
                                 {StateItem::Run1, kYes},
                                 {StateItem::Run2, kYes},
                                 {StateItem::ChangeTime, {"31.12.99  23:59:58", false}}}},
                      SignsCase{"NoMoistureMeterLeavesItsLinesEmpty",
                                {false, true},
                                {0, 1, 1, 0, 0, 0, 0, 0, 5, 0, 0, 0},
                                {1, 0},
                                {{StateItem::ChromatographErrors, kNorm},
                                 {StateItem::ChromatographLink, kNorm},
                                 {StateItem::FlowErrors, kNorm},
                                 {StateItem::SelfDiagnostics, kNorm},
                                 {StateItem::Run1, kNo},
                                 {StateItem::Run2, kNo},
                                 {StateItem::ChangeTime, {"01.01.00  00:00:00", false}}}},
                      SignsCase{"NoFlowComputersLeavesTheirSignEmpty",
                                {false, false},
                                {0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                                {1, 1},
                                {{StateItem::ChromatographErrors, kNorm},
                                 {StateItem::ChromatographLink, kNorm},
                                 {StateItem::SelfDiagnostics, kNorm},
                                 {StateItem::Run1, kNo},
                                 {StateItem::Run2, kYes},
                                 {StateItem::ChangeTime, {"01.01.00  00:00:00", false}}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CurrentStateLayoutTest, DevicesEnableTheirLinesAndHeadingsJoinIntoOneLine) {
    struct Case {
        StateItem item;
        Devices devices;
        bool enabled;
    };
    for (const Case& c : {Case{StateItem::MoistureErrors, {false, true}, false},
                          Case{StateItem::MoistureLink, {true, false}, true},
                          Case{StateItem::FlowErrors, {true, false}, false},
                          Case{StateItem::FlowButton, {false, true}, true},
                          Case{StateItem::TablesButton, {false, false}, true},
                          Case{StateItem::ChromatographLink, {false, false}, true}}) {
        EXPECT_EQ(ItemEnabled(c.item, c.devices), c.enabled) << static_cast<int>(c.item);
    }
    std::vector<std::string> headings;
    for (const StateLine& line : CurrentStateLines()) {
        if (!line.heading[1].empty()) {
            headings.push_back(HeadingText(line));
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{
                            "Нештатные ситуации, связанные с обменом с вычислителями РГ",
                            "Дата и время последнего изменения признаков нештатных ситуаций"}));
}

class CurrentStateRefreshTest : public test::StatusSimTest {};

TEST_F(CurrentStateRefreshTest, ReadsSignsThenLinksSilentlyAndStopsWhenAsked) {
    struct Case {
        int silentTable;
        int stopBefore;  // goOn answers false from this call on (0-based); -1 never
        bool result;
        std::vector<int> tablesRead;
        bool signsFilled;
        bool linksFilled;
    };
    const Case cases[] = {
        {-1, -1, true, {16, 33}, true, true},  {16, -1, true, {16, 33}, false, true},
        {33, -1, true, {16, 33}, true, false}, {-1, 1, false, {16}, true, false},
        {-1, 0, false, {}, false, false},
    };
    for (const Case& c : cases) {
        sim::StatusState status;
        status.chromatographError = 12;
        status.chromatographLink = false;
        Start(status);
        reads.clear();
        op.messages.clear();
        silentTable = c.silentTable;
        auto ctx = Context();
        CurrentState state({false, true});
        int calls = 0;
        const bool result =
            Refresh(ctx, state, [&] { return c.stopBefore < 0 || calls++ < c.stopBefore; });
        EXPECT_EQ(result, c.result);
        std::vector<int> tablesRead;
        for (const auto& h : reads) {
            tablesRead.push_back(h.table);
            EXPECT_EQ(h.first, 0);
            EXPECT_EQ(h.count, h.table == 16 ? 18 : 2);
        }
        EXPECT_EQ(tablesRead, c.tablesRead);
        EXPECT_EQ(state.Value(StateItem::ChromatographErrors).has_value(), c.signsFilled);
        EXPECT_EQ(state.Value(StateItem::ChromatographLink).has_value(), c.linksFilled);
        if (c.signsFilled) {
            EXPECT_EQ(state.Value(StateItem::ChromatographErrors)->text, "Код ошибки 12");
        }
        EXPECT_TRUE(op.messages.empty()) << "a failed refresh asks nothing";
        EXPECT_EQ(op.status[2], "") << "a refresh shows no progress";
    }
}

}  // namespace
}  // namespace zor06::messages
