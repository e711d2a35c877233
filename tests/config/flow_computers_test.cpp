// The flow computers' line, list and records: the checks, the positions whose passwords must be
// written, and counts that never index past the sixteen entries.
#include "config/flow_computers.h"

#include <gtest/gtest.h>

namespace zor06::config {
namespace {

FlowRecord Record(std::uint8_t address, std::uint8_t type = 0) {
    FlowRecord r;
    r.address = address;
    r.type = type;
    r.password.fill(' ');
    return r;
}

TEST(FlowComputers, CountsAreBroughtIntoTheTablesRange) {
    for (const auto& [stored, count] : {std::pair{0, 1}, {1, 1}, {16, 16}, {17, 16}, {255, 16}}) {
        EXPECT_EQ(FlowCount(static_cast<std::uint8_t>(stored)), count) << stored;
    }
    const FlowList empty({}, 0);
    EXPECT_EQ(empty.Count(), 1);
    EXPECT_EQ(empty.At(0).password[0], ' ');
    const FlowList many({}, 200);
    EXPECT_EQ(many.Count(), 16);
    EXPECT_FALSE(many.CanAdd());
}

TEST(FlowComputers, LineChecksAndStores) {
    std::array<std::uint8_t, kFlowLineBytes> line{1, 11, 5, 20, 3, 4};
    FlowLineEntries e = FillFlowLine(line);
    EXPECT_FALSE(e.mode);  // 4 is no mode
    EXPECT_EQ(AcceptFlowLine(e, line)->text1, "Введены не все параметры");
    e.mode = 2;
    e.preambles = "256";
    EXPECT_EQ(AcceptFlowLine(e, line)->text1, "Количество преамбул не должно превышать 255");
    EXPECT_EQ(line, (std::array<std::uint8_t, kFlowLineBytes>{1, 11, 5, 20, 3, 4}));
    e.preambles = "7";
    e.count = 3;
    ASSERT_FALSE(AcceptFlowLine(e, line));
    EXPECT_EQ(line, (std::array<std::uint8_t, kFlowLineBytes>{3, 11, 5, 20, 7, 2}));
}

TEST(FlowComputers, DeletingMovesRecordsUpAndMarksTheirPasswords) {
    FlowRecords records{};
    records[0] = Record(10);
    records[1] = Record(11);
    records[2] = Record(12);
    FlowList list(records, 3);
    list.Delete(0);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.At(0).address, 11);
    EXPECT_TRUE(list.PasswordChanged(0));
    EXPECT_TRUE(list.PasswordChanged(1));
    EXPECT_FALSE(list.PasswordChanged(2));
    list.Delete(1);
    EXPECT_FALSE(list.CanDelete());
    list.Delete(0);  // the last one stays
    EXPECT_EQ(list.Count(), 1);
}

TEST(FlowComputers, ListRefusesBadRecordsAndRepeatedAddresses) {
    struct Case {
        std::vector<FlowRecord> records;
        const char* text1;  // empty: accepted
    } const cases[] = {
        {{Record(1), Record(2)}, ""},
        {{Record(1), Record(0)}, "Вычислитель № 2"},
        {{Record(255)}, "Вычислитель № 1"},
        {{Record(1, 3)}, "Вычислитель № 1"},
        {{Record(4), Record(5), Record(4)}, "Повтор адреса 4"},
    };
    for (const Case& c : cases) {
        FlowRecords records{};
        std::copy(c.records.begin(), c.records.end(), records.begin());
        const FlowList list(records, static_cast<int>(c.records.size()));
        FlowRecords target{};
        const Refusal r = list.Accept(target);
        EXPECT_EQ(r ? r->text1 : std::string(), c.text1);
        EXPECT_EQ(target[0].address, r ? 0 : c.records[0].address);
    }
}

TEST(FlowComputers, RecordTakesPipelinesOfItsTypeOnly) {
    FlowRecord record = Record(1);
    FlowEntries e;
    e.address = "7";
    e.type = 1;
    e.byteOrder = 1;
    e.password = record.password;
    e.pipelines[0] = {true, false, true};
    e.pipelines[1] = {true, true, false};  // type 1 has one pipeline: ignored
    bool changed = true;
    ASSERT_FALSE(AcceptFlowComputer(e, record, &changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(record.necessity, 0x11);
    EXPECT_EQ(record.address, 7);

    e.type = 0;
    e.pipelines[2] = {true, false, false};  // ticked without a run
    EXPECT_EQ(AcceptFlowComputer(e, record, &changed)->text1, "Введены не все параметры");
    e.pipelines[2] = {};
    e.address = "255";
    EXPECT_EQ(AcceptFlowComputer(e, record, &changed)->text1, "Адрес вне допускаемого диапазона");
    e.address = "8";
    e.password[0] = 'x';
    ASSERT_FALSE(AcceptFlowComputer(e, record, &changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(record.necessity, 0x13);
    EXPECT_EQ(FlowTypeText(3), " ?");
}

}  // namespace
}  // namespace zor06::config
