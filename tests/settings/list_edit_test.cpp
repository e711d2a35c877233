// The list screens' logic: the entry checks and their messages, adding, deleting and sorting with
// the current entry following its name.
#include "settings/list_edit.h"

#include <gtest/gtest.h>

#include "tests/support/recording_operator.h"

namespace zor06::settings {
namespace {

constexpr char kIncomplete[] = "Введены не все параметры";

class ListEditTest : public ::testing::Test {
protected:
    // Accepts the fields into a fresh entry; returns the message shown, or "" when accepted.
    template <typename Entry, typename Fields>
    std::string Refusal(const Fields& fields) {
        Entry entry;
        op.messages.clear();
        const bool accepted = AcceptFields(fields, entry, op);
        EXPECT_EQ(accepted, op.messages.empty());
        EXPECT_EQ(accepted, !(entry == Entry{}));  // nothing written on refusal
        if (accepted) {
            return "";
        }
        EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::InputError);
        return op.messages[0].text1 + "|" + op.messages[0].text2;
    }
    std::vector<std::string> Names(const PhoneList& list) {
        std::vector<std::string> names;
        for (const auto& e : list.entries) {
            names.push_back(e.name);
        }
        return names;
    }

    test::RecordingOperator op;
};

TEST_F(ListEditTest, TelephoneChecksInTheScreensOrder) {
    const std::pair<PhoneFields, std::string> cases[] = {
        {{"", "1", "1"}, std::string(kIncomplete) + "|"},
        {{"ГРС", "", "1"}, std::string(kIncomplete) + "|"},
        {{"ГРС", "0", ""}, "Адрес вне допустимого диапазона|(1...255)"},
        {{"ГРС", "256", "1"}, "Адрес вне допустимого диапазона|(1...255)"},
        {{"ГРС", "255", ""}, std::string(kIncomplete) + "|"},
        {{"ГРС", "255", "8 044"}, ""},
    };
    for (const auto& [fields, message] : cases) {
        EXPECT_EQ(Refusal<PhoneEntry>(fields), message) << fields.name << "/" << fields.address;
    }
}

TEST_F(ListEditTest, EthernetChecksIncludeThePortRange) {
    const std::string ipRange = "Поле IP-адреса вне допустимого диапазона|(0...255)";
    const std::string portRange = "Параметр вне допустимого диапазона|";
    const std::pair<EthernetFields, std::string> cases[] = {
        {{"Узел", "1", {"10", "0", "0", "1"}, ""}, std::string(kIncomplete) + "|"},
        {{"Узел", "1", {"10", "", "0", "1"}, "502"}, std::string(kIncomplete) + "|"},
        {{"Узел", "1", {"10", "0", "256", "1"}, "502"}, ipRange},
        {{"Узел", "1", {"10", "0", "0", "1"}, "0"}, portRange},
        {{"Узел", "1", {"10", "0", "0", "1"}, "65536"}, portRange},
        {{"Узел", "1", {"10", "0", "0", "1"}, "65535"}, ""},
    };
    for (const auto& [fields, message] : cases) {
        EXPECT_EQ(Refusal<EthernetEntry>(fields), message) << fields.port;
    }
}

TEST_F(ListEditTest, AcceptedEthernetEntryRoundTripsThroughItsFields) {
    EthernetEntry entry;
    ASSERT_TRUE(
        AcceptFields(EthernetFields{"Узел", "7", {"192", "168", "0", "10"}, "4001"}, entry, op));
    EXPECT_EQ(entry.ip, 0xC0A8000AU);
    EXPECT_EQ(entry.port, 4001);
    const EthernetFields fields = FieldsOf(entry);
    EXPECT_EQ(fields.ip, (std::array<std::string, 4>{"192", "168", "0", "10"}));
    EXPECT_EQ(fields.address, "7");
}

TEST_F(ListEditTest, EditingKeepsTheModbusAddressAndCutsTheName) {
    PhoneEntry entry{"Старое", 3, 9, "1"};
    ASSERT_TRUE(AcceptFields(PhoneFields{std::string(60, 'N'), "4", "2"}, entry, op));
    EXPECT_EQ(entry, (PhoneEntry{std::string(49, 'N'), 4, 9, "2"}));
}

TEST_F(ListEditTest, ObjectChecks) {
    EXPECT_EQ(Refusal<ObjectEntry>(ObjectFields{"Объект", ""}), std::string(kIncomplete) + "|");
    EXPECT_EQ(Refusal<ObjectEntry>(ObjectFields{"Объект", "300"}),
              "Адрес вне допустимого диапазона|(1...255)");
    EXPECT_EQ(Refusal<ObjectEntry>(ObjectFields{"Объект", "30"}), "");
}

TEST_F(ListEditTest, SortIsCaseBlindInWindows1251OrderAndStable) {
    PhoneList list;
    for (const char* name : {"береза", "Ёлка", "акула", "Акация", "ель"}) {
        ASSERT_TRUE(AppendEntry(list, PhoneEntry{name, 1, 0, "5"}));
    }
    // Ё (A8) comes before А (C0) in Windows-1251.
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Ёлка", "Акация", "акула", "береза", "ель"}));

    SetSorting(list, 1);  // every number is equal: the order must not move
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Ёлка", "Акация", "акула", "береза", "ель"}));
}

TEST_F(ListEditTest, AddedEntryMovesToItsPlaceAndStaysCurrent) {
    PhoneList list;
    ASSERT_TRUE(AppendEntry(list, PhoneEntry{"Б", 1, 0, "1"}));
    ASSERT_TRUE(AppendEntry(list, PhoneEntry{"В", 1, 0, "1"}));
    EXPECT_EQ(list.current, 1);
    ASSERT_TRUE(AppendEntry(list, PhoneEntry{"А", 1, 0, "1"}));
    EXPECT_EQ(list.current, 0);
    EXPECT_EQ(list.entries.size(), 3U);
}

TEST_F(ListEditTest, CapacityLimitsAdding) {
    EthernetList list;
    const EthernetEntry entry{"Узел", 1, 0x0A000001, 502};
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(AppendEntry(list, entry));
    }
    EXPECT_FALSE(CanAdd(list));
    EXPECT_FALSE(AppendEntry(list, entry));
    EXPECT_EQ(list.entries.size(), 200U);
    op.answers = {true};
    ASSERT_TRUE(DeleteSubscriber(list, op));
    EXPECT_TRUE(CanAdd(list));
}

TEST_F(ListEditTest, DeletingAsksAndMovesTheCurrentEntryBack) {
    ObjectList list;
    for (const char* name : {"А", "Б", "В"}) {
        ASSERT_TRUE(AppendEntry(list, ObjectEntry{name, 1}));
    }
    Select(list, 0);
    op.answers = {false, true, true};
    EXPECT_FALSE(DeleteObject(list, op));
    EXPECT_EQ(list.entries.size(), 3U);
    EXPECT_EQ(op.messages.back().kind, dialogue::MessageKind::Question);
    EXPECT_EQ(op.messages.back().text1, "Вы действительно хотите");
    EXPECT_EQ(op.messages.back().text2, "удалить этот объект?");

    ASSERT_TRUE(DeleteObject(list, op));  // the first: the next one becomes current at 0
    EXPECT_EQ(list.current, 0);
    EXPECT_EQ(list.entries[0].name, "Б");
    Select(list, 1);
    ASSERT_TRUE(DeleteObject(list, op));  // any other: the one before it
    EXPECT_EQ(list.current, 0);
    EXPECT_EQ(list.entries.size(), 1U);
}

}  // namespace
}  // namespace zor06::settings
