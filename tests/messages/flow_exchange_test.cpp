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

TEST(FlowRowsTest, AddressesInDecimalAndMissingLinksOrWritingInRed) {
    const FlowExchange exchange{{1, 47, 254}, {1, 0, 9}, {0, 1, 1}};
    const auto rows = FlowRows(exchange);
    ASSERT_EQ(rows.size(), 3U);
    struct Expected {
        const char* address;
        StateText link;
        StateText writing;
    };
    const Expected expected[] = {
        {"1", {"Есть", false}, {"Не записываются", true}},
        {"47", {"Нет", true}, {"Записываются", false}},
        {"254", {"Есть", false}, {"Записываются", false}},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].address, expected[i].address);
        EXPECT_EQ(rows[i].link, expected[i].link) << i;
        EXPECT_EQ(rows[i].writing, expected[i].writing) << i;
    }
    // Groups of unequal length give only the rows all three cover.
    EXPECT_EQ(FlowRows({{1, 2, 3}, {1}, {1, 1}}).size(), 1U);
}

}  // namespace
}  // namespace zor06::messages
