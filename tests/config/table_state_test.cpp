// The table-state screen's rules: its rows, and the selection its buttons make.
#include "config/table_state.h"

#include <gtest/gtest.h>

#include "tests/support/recording_operator.h"

namespace zor06::config {
namespace {

TableStates Destroyed(std::initializer_list<int> list) {
    tables::ControllerImage image;
    for (int t : list) {
        image.SetByte(7, t, 1);
    }
    return BuildTableStates(image);
}

std::vector<int> Chosen(const Selection& s) {
    std::vector<int> t;
    for (int i = 0; i < tables::kTableCount; ++i) {
        if (s[static_cast<std::size_t>(i)]) {
            t.push_back(i);
        }
    }
    return t;
}

TEST(TableStateTest, RowsShowTheWritableTablesAndWhichMayBeTicked) {
    const TableStates s = Destroyed({4, 6, 7});
    const auto rows = TableStateRows(s, link::LinkKind::Direct);
    ASSERT_EQ(rows.size(), 20U);
    EXPECT_EQ(rows[0].text, " Табл.  2.   Текущие дата и время контроллера");
    EXPECT_EQ(rows[7].text, " Табл. 14.   Параметры связи с хроматографом по MODBUS прот.");
    const struct {
        std::size_t row;
        int table;
        bool destroyed, ticked, enabled;
    } cases[] = {
        {0, 2, false, false, false},  // an intact clock is not written from here
        {1, 3, false, false, true},
        {2, 4, true, true, true},
        {4, 6, true, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rows[c.row].table, c.table);
        EXPECT_EQ(rows[c.row].destroyed, c.destroyed) << c.table;
        EXPECT_EQ(rows[c.row].ticked, c.ticked) << c.table;
        EXPECT_EQ(rows[c.row].enabled, c.enabled) << c.table;
    }
    for (const auto& row : TableStateRows(s, link::LinkKind::Telephone)) {
        EXPECT_FALSE(row.ticked || row.enabled) << row.table;
    }
    EXPECT_TRUE(WriteButtonsEnabled(link::LinkKind::Direct));
    EXPECT_FALSE(WriteButtonsEnabled(link::LinkKind::Telephone));
    EXPECT_FALSE(WriteButtonsEnabled(link::LinkKind::Ethernet));
}

TEST(TableStateTest, ButtonsSelectWithTheClockAndUsersRule) {
    const struct {
        std::initializer_list<int> destroyed;
        std::initializer_list<int> ticked;  // empty: "Записать все таблицы"
        std::vector<int> selected;
    } cases[] = {
        {{6}, {6, 14}, {6, 14}},
        {{2}, {2}, {2}},
        {{6}, {2, 4, 6}, {6}},  // intact 2 and 4 drop out
        {{4}, {3}, {3, 4}},     // a destroyed users table is always written
        {{2, 4}, {}, {2, 3, 4, 5, 6, 9, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28}},
        {{18}, {}, {3, 5, 6, 9, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28}},
    };
    for (const auto& c : cases) {
        TableStates s = Destroyed(c.destroyed);
        test::RecordingOperator op;
        if (c.ticked.size() == 0) {
            SelectAll(s);
        } else {
            Selection ticked{};
            for (int t : c.ticked) {
                ticked[static_cast<std::size_t>(t)] = true;
            }
            EXPECT_TRUE(SelectTicked(s, ticked, op));
        }
        EXPECT_EQ(Chosen(s.selected), c.selected);
    }
}

TEST(TableStateTest, NothingTickedIsSaidAndSelectsNothing) {
    TableStates s = Destroyed({6});
    test::RecordingOperator op;
    Selection ticked{};
    ticked[7] = true;  // not writable: not a table of the list
    EXPECT_FALSE(SelectTicked(s, ticked, op));
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Info);
    EXPECT_EQ(op.messages[0].text1, "Не заданы таблицы для записи");
    EXPECT_TRUE(Chosen(s.selected).empty());
}

TEST(TableStateTest, AShortListShrinksALongOneScrollsToTheFirstDestroyed) {
    EXPECT_TRUE(ListView(20, 19).shrink);
    EXPECT_EQ(ListView(20, 19).scrollRows, 0);
    EXPECT_FALSE(ListView(40, 10).shrink);
    EXPECT_EQ(ListView(40, 10).scrollRows, 0);
    EXPECT_EQ(ListView(40, 33).scrollRows, 6);
}

}  // namespace
}  // namespace zor06::config
