// The flow-computer commands against the simulated controller: what they write of the count.
#include "config/flow_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/config/sim_context.h"

namespace zor06::test {
namespace {

class FlowCommandsTest : public SimContextTest {};

TEST_F(FlowCommandsTest, TheCountIsWrittenWhenItDiffersFromTheControllersOwn) {
    const struct {
        std::uint8_t stored;
        int kept;  // the count the list is accepted with, unchanged from what it showed
        bool written;
    } cases[] = {{0, 1, true}, {20, 16, true}, {3, 3, false}};
    for (const auto& c : cases) {
        sim::ControllerConfig config;
        config.status.flowComputers = c.stored;
        Start(config);
        writes.clear();
        auto ctx = Context();
        EXPECT_TRUE(config::EditFlowComputers(ctx, [&](const config::FlowRecords& records,
                                                       int count, std::uint8_t) {
            EXPECT_EQ(count, c.kept);
            return std::optional(config::FlowListResult{count, records, {}});
        })) << int(c.stored);
        const bool countWritten = std::ranges::count(writes, tables::TableHeader{9, 0, 1}) == 1;
        EXPECT_EQ(countWritten, c.written) << int(c.stored);
        EXPECT_EQ(controller->Image().Byte(9, 0), c.written ? c.kept : c.stored);
    }
}

TEST_F(FlowCommandsTest, ALineCountAboveTheControllersOwnAsksForTheNewComputersFirst) {
    const struct {
        std::uint8_t stored;
        std::uint8_t chosen;
        bool asked;
    } cases[] = {{0, 1, true}, {2, 3, true}, {2, 2, false}, {20, 16, false}};
    for (const auto& c : cases) {
        sim::ControllerConfig config;
        config.status.flowComputers = c.stored;
        Start(config);
        op.messages.clear();
        op.answers = {false};
        auto ctx = Context();
        config::EditFlowLine(
            ctx,
            [&](std::span<std::uint8_t, config::kFlowLineBytes> line) {
                line[0] = c.chosen;
                return true;
            },
            [](const config::FlowRecords&, int, std::uint8_t) {
                return std::optional<config::FlowListResult>();
            });
        const bool asked =
            !op.messages.empty() &&
            op.messages[0].text1 == "Количество вычислителей не может быть увеличено";
        EXPECT_EQ(asked, c.asked) << int(c.stored) << " -> " << int(c.chosen);
        EXPECT_EQ(controller->Image().Byte(9, 0), asked ? c.stored : c.chosen) << int(c.stored);
    }
}

}  // namespace
}  // namespace zor06::test
