#include "messages/flow_exchange.h"

#include <gtest/gtest.h>

#include "tests/messages/status_sim.h"

namespace zor06::messages {
namespace {

class FlowExchangeReadTest : public test::StatusSimTest {};

TEST_F(FlowExchangeReadTest, CountFromTable9IsBoundedBeforeItSizesTheReads) {
    struct Case {
        std::uint8_t count;
        int rows;
    };
    for (const Case& c :
         {Case{0, 0}, Case{1, 1}, Case{5, 5}, Case{16, 16}, Case{17, 16}, Case{255, 16}}) {
        sim::StatusState status;
        status.flowComputers = c.count;
        Start(status);
        reads.clear();
        auto ctx = Context();
        const auto exchange = ReadFlowExchange(ctx);
        ASSERT_TRUE(exchange.has_value()) << int{c.count};
        EXPECT_TRUE(op.messages.empty());
        std::vector<tables::TableHeader> expected{{9, 0, 1}};
        if (c.rows > 0) {
            const auto n = static_cast<std::uint8_t>(c.rows);
            expected.insert(expected.end(), {{18, 0, n}, {34, 0, n}, {35, 0, n}});
        }
        EXPECT_EQ(reads, expected) << int{c.count};
        EXPECT_EQ(FlowRows(*exchange).size(), static_cast<std::size_t>(c.rows));
    }
}

TEST_F(FlowExchangeReadTest, FirstFailureEndsTheReading) {
    for (const int failing : {9, 18, 34, 35}) {
        sim::StatusState status;
        status.flowComputers = 3;
        Start(status);
        reads.clear();
        op.messages.clear();
        silentTable = failing;
        auto ctx = Context();
        EXPECT_FALSE(ReadFlowExchange(ctx).has_value()) << failing;
        ASSERT_FALSE(reads.empty());
        EXPECT_EQ(reads.back().table, failing) << "nothing is read after the failure";
        ASSERT_EQ(op.messages.size(), 1U) << failing;
        EXPECT_EQ(op.messages[0].text1,
                  "Не выполнено чтение из таблицы " + std::to_string(failing) + ".");
    }
}

}  // namespace
}  // namespace zor06::messages
