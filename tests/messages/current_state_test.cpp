#include "messages/current_state.h"

#include <gtest/gtest.h>

#include "tests/messages/status_sim.h"

namespace zor06::messages {
namespace {

// Expected values in StateItem order; "" for no value, a leading '!' for red.
using Texts = std::array<std::string, kStateItemCount>;

TEST(CurrentStateFillTest, ValuesFollowTheSignsAndTheDevicesPresent) {
    struct Case {
        Devices devices;
        std::vector<std::uint8_t> signs;  // table 16 from field 0
        std::vector<std::uint8_t> links;  // table 33
        Texts expected;
    };
    const Case cases[] = {
        {{true, true},
         {99, 12, 31, 23, 59, 58, 1, 12, 200, 3, 1, 7},
         {0, 0},
         {"!Код ошибки 12", "!Связи нет", "!Код ошибки 200", "!Связи нет", "!Есть", "", "!Есть", "",
          "!Есть", "!Есть", "31.12.99  23:59:58"}},
        // Without a moisture meter its values stay empty whatever the tables hold.
        {{false, true},
         {26, 3, 9, 7, 5, 4, 0, 0, 5, 0, 0, 0},
         {1, 0},
         {"Норма", "Норма", "", "", "Норма", "", "Норма", "", "Нет", "Нет", "09.03.26  07:05:04"}},
        {{false, false},
         {0, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1},
         {1, 1},
         {"Норма", "Норма", "", "", "", "", "Норма", "", "Нет", "!Есть", "01.01.00  00:00:00"}},
    };
    for (const Case& c : cases) {
        tables::ControllerImage image;
        std::ranges::copy(c.signs, image.Fields(16, 0, 18).begin());
        std::ranges::copy(c.links, image.Fields(33, 0, 2).begin());
        CurrentState state(c.devices);
        state.FillSigns(image);
        state.FillLinks(image);
        for (std::size_t i = 0; i < kStateItemCount; ++i) {
            const auto& value = state.Value(static_cast<StateItem>(i));
            const std::string shown = value ? (value->red ? "!" : "") + value->text : "";
            EXPECT_EQ(shown, c.expected[i]) << "item " << i;
        }
    }
}

TEST(CurrentStateLayoutTest, DevicesEnableTheirLines) {
    struct Case {
        StateItem item;
        Devices devices;
        bool enabled;
    };
    for (const Case& c : {Case{StateItem::MoistureErrors, {false, true}, false},
                          Case{StateItem::MoistureLink, {true, false}, true},
                          Case{StateItem::FlowErrors, {true, false}, false},
                          Case{StateItem::FlowButton, {false, true}, true},
                          Case{StateItem::TablesButton, {false, false}, true}}) {
        EXPECT_EQ(ItemEnabled(c.item, c.devices), c.enabled) << static_cast<int>(c.item);
    }
}

class CurrentStateRefreshTest : public test::StatusSimTest {};

TEST_F(CurrentStateRefreshTest, ReadsSignsThenLinksSilentlyAndStopsWhenAsked) {
    struct Case {
        int silentTable;
        int stopBefore;  // goOn answers false from this call on (0-based); -1 never
        bool result;
        std::vector<tables::TableHeader> reads;
        bool signsFilled;
        bool linksFilled;
    };
    const Case cases[] = {
        {-1, -1, true, {{16, 0, 18}, {33, 0, 2}}, true, true},
        {16, -1, true, {{16, 0, 18}, {33, 0, 2}}, false, true},
        {33, -1, true, {{16, 0, 18}, {33, 0, 2}}, true, false},
        {-1, 1, false, {{16, 0, 18}}, true, false},
        {-1, 0, false, {}, false, false},
    };
    for (const Case& c : cases) {
        Start({});
        reads.clear();
        silentTable = c.silentTable;
        auto ctx = Context();
        CurrentState state({false, true});
        int calls = 0;
        EXPECT_EQ(Refresh(ctx, state, [&] { return c.stopBefore < 0 || calls++ < c.stopBefore; }),
                  c.result);
        EXPECT_EQ(reads, c.reads);
        EXPECT_EQ(state.Value(StateItem::ChromatographErrors).has_value(), c.signsFilled);
        EXPECT_EQ(state.Value(StateItem::ChromatographLink).has_value(), c.linksFilled);
        EXPECT_TRUE(op.messages.empty()) << "a failed refresh asks nothing";
    }
}

}  // namespace
}  // namespace zor06::messages
