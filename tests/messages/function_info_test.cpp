#include "messages/function_info.h"

#include <gtest/gtest.h>

#include "messages/table_states_read.h"
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
                          Case{2, "Невозможно", "Возможно"}, Case{3, "Возможно", "Возможно"}}) {
        sim::StatusState status;
        status.functions = c.functions;
        Start(status);
        auto ctx = Context();
        const auto rows = ReadFunctions(ctx);
        ASSERT_TRUE(rows.has_value());
        EXPECT_EQ((*rows)[0].name, " Автоматический переход на зимнее/летнее время");
        EXPECT_EQ((*rows)[0].execution, c.timeChange);
        EXPECT_EQ((*rows)[1].name, " Обмен данными с вычислителями расхода газа (РГ)");
        EXPECT_EQ((*rows)[1].execution, c.flowExchange);
        EXPECT_EQ(op.busyDepth, 0);
    }
}

TEST_F(FunctionInfoTest, FailedReadsAskAndGiveNothing) {
    for (const int table : {7, 8}) {
        Start({});
        op.messages.clear();
        silentTable = table;
        auto ctx = Context();
        const bool read =
            table == 8 ? ReadFunctions(ctx).has_value() : ReadTableStates(ctx).has_value();
        EXPECT_FALSE(read) << table;
        ASSERT_EQ(op.messages.size(), 1U);
        EXPECT_EQ(op.busyDepth, 0);
    }
}

TEST_F(FunctionInfoTest, TableStatesComeFromTable7) {
    Start({});
    auto ctx = Context();
    const auto states = ReadTableStates(ctx);
    ASSERT_TRUE(states.has_value());
    EXPECT_EQ(reads.back(), (tables::TableHeader{7, 0, 43}));
    EXPECT_TRUE(states->writable[9]);
    EXPECT_FALSE(states->writable[16]);
    EXPECT_FALSE(states->destroyed[9]);
}

}  // namespace
}  // namespace zor06::messages
