// The order and the requests in which the chosen tables reach the controller.
#include "config/write_tables.h"

#include <gtest/gtest.h>

#include "config/table_state.h"
#include "link/baud_rates.h"
#include "tests/config/sim_context.h"
#include "text/codepage.h"

namespace zor06::test {
namespace {

using tables::TableHeader;

class WriteTablesTest : public SimContextTest {
protected:
    void SetUp() override {
        Start({});
        image = controller->Image();  // the controller's users, so that writing table 4 passes
        image.SetBytes(3, {1, 9, 3, 0});
        image.SetBytes(9, {2, 11, 5, 20, 3, 2});  // two flow computers
        for (int t : {17, 18, 19, 20}) {
            image.SetBytes(t, {1, 2});
        }
        image.SetText(5, 0, text::Utf8ToCp1251("ГРС Лесная"));
        const config::TableStates states = config::BuildTableStates(image);
        selection = states.writable;
    }
    config::Selection selection{};
};

std::vector<TableHeader> Whole(std::initializer_list<int> list) {
    std::vector<TableHeader> h;
    for (int t : list) {
        h.push_back({static_cast<std::uint8_t>(t), 0, tables::Table(t).fieldCount});
    }
    return h;
}

TEST_F(WriteTablesTest, FlowComputersFirstThenAscendingInRequestsThatFit) {
    selection[2] = selection[4] = false;  // as "Записать все таблицы" leaves intact 2 and 4
    // Counts the link moves, with no stored link settings to follow.
    struct CountedLinkChanges final : config::WriteTablesSteps {
        int count = 0;
        void LinkChanged() override { ++count; }
    } steps;
    int& linkChanges = steps.count;
    auto ctx = Context();
    ASSERT_TRUE(config::WriteTables(ctx, selection, steps));

    std::vector<TableHeader> expected{{9, 0, 6},  {17, 0, 2}, {18, 0, 2},
                                      {19, 0, 2}, {20, 0, 2}, {13, 0, 2}};
    for (const TableHeader& h : Whole({3, 5, 6, 14, 15, 21, 22, 23, 24, 25, 26, 28})) {
        expected.push_back(h);
    }
    EXPECT_EQ(writes, expected);
    EXPECT_EQ(selection, config::Selection{});
    // Table 3 moved the link: its address and the rate its index names.
    EXPECT_EQ(linkChanges, 1);
    EXPECT_EQ(link.address, 1);
    EXPECT_EQ(link.baud, link::IndexToRate(9));
}

TEST_F(WriteTablesTest, RequestsSplitAtTheValueBytesOfOneFrame) {
    image.SetByte(9, 0, 200);  // a count past the sixteen entries stops at them
    selection = {};
    selection[4] = selection[13] = selection[17] = true;
    auto ctx = Context();
    ASSERT_TRUE(config::WriteTables(ctx, selection));
    EXPECT_EQ(writes, (std::vector<TableHeader>{
                          {17, 0, 16}, {13, 0, 14}, {13, 14, 2}, {4, 0, 10}, {4, 10, 6}}));
}

TEST_F(WriteTablesTest, AFailureStopsAndLeavesTheRestSelected) {
    failTable = 14;
    auto ctx = Context();
    EXPECT_FALSE(config::WriteTables(ctx, selection));
    EXPECT_EQ(writes.back().table, 14);
    for (int t = 0; t < tables::kTableCount; ++t) {
        const bool writtenFirst = t >= 17 && t <= 20;
        EXPECT_EQ(selection[static_cast<std::size_t>(t)],
                  tables::Table(t).writable && t >= 14 && !writtenFirst)
            << t;
    }
}

TEST_F(WriteTablesTest, NamesGoOutIn866WhenTheControllerKeepsThemSoAndComeBack) {
    for (const bool fails : {false, true}) {
        writes.clear();
        writtenValues.clear();
        failTable = fails ? 5 : -1;
        image.SetByte(0, 12, 0);
        selection = {};
        selection[5] = true;
        const auto before = image.Whole(5);
        const Bytes original(before.begin(), before.end());
        auto ctx = Context();
        EXPECT_EQ(config::WriteTables(ctx, selection), !fails);
        Bytes sent = original;
        text::ToCp866(sent);
        ASSERT_EQ(writtenValues.size(), 1U);
        EXPECT_EQ(writtenValues[0], sent);
        EXPECT_TRUE(std::ranges::equal(image.Whole(5), original)) << fails;
    }
}

TEST_F(WriteTablesTest, TheUsersTableGoesOutAsNobodyAndTheCredentialsComeBack) {
    sim::ControllerConfig config;
    config.destroyedTables = {4};
    Start(config);
    for (const int fail : {4, -1}) {
        writtenCredentials.clear();
        failTable = fail;
        auto ctx = Context();
        EXPECT_EQ(config::WriteUsersAsNobody(ctx), fail < 0);
        ASSERT_FALSE(writtenCredentials.empty());
        EXPECT_EQ(writtenCredentials[0], Bytes(16, ' '));
        EXPECT_EQ(std::string(link.writePassword.begin(), link.writePassword.end()),
                  "2222        ");
        EXPECT_EQ(std::string(link.idCode.begin(), link.idCode.end()), "2   ");
    }
}

}  // namespace
}  // namespace zor06::test
