#include "messages/function_info.h"

#include <gtest/gtest.h>

#include "tests/messages/status_sim.h"

namespace zor06::messages {
namespace {

class FunctionInfoTest : public test::StatusSimTest {};

TEST_F(FunctionInfoTest, EachFunctionPossibleWhenItsByteIsSet) {
    struct Case {
        std::uint8_t functions;
        const char* timeChange;
        const char* flowExchange;
    };
    for (const Case& c : {Case{0, "Невозможно", "Невозможно"}, Case{1, "Возможно", "Невозможно"},
                          Case{2, "Невозможно", "Возможно"}}) {
        sim::StatusState status;
        status.functions = c.functions;
        Start(status);
        auto ctx = Context();
        const auto rows = ReadFunctions(ctx);
        ASSERT_TRUE(rows.has_value());
        EXPECT_EQ((*rows)[0].execution, c.timeChange);
        EXPECT_EQ((*rows)[1].execution, c.flowExchange);
    }
    silentTable = 8;
    auto ctx = Context();
    EXPECT_FALSE(ReadFunctions(ctx).has_value());
    EXPECT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.busyDepth, 0);
}

}  // namespace
}  // namespace zor06::messages
