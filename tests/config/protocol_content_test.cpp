// What a protocol prints: left-out sections, the page-2 section, value texts and the bounds kept
// against a damaged file.
#include "config/protocol_content.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/limits_editor.h"

namespace zor06::config {
namespace {

// A new configuration's protocol with the system flags given.
ProtocolRecord Record(bool chromatograph, bool moisture, bool flowComputers) {
    ProtocolRecord r = ProtocolFromConfig(NewConfiguration());
    r.bytes[205] = chromatograph ? 1 : 0;
    r.bytes[206] = moisture ? 1 : 0;
    r.bytes[207] = flowComputers ? 1 : 0;
    return r;
}

const ProtocolSection* Section(const ProtocolContent& c, int number) {
    const auto it = std::ranges::find(c.sections, number, &ProtocolSection::number);
    return it == c.sections.end() ? nullptr : &*it;
}

std::string Value(const ProtocolContent& c, int section, const std::string& label) {
    const ProtocolSection* s = Section(c, section);
    EXPECT_NE(s, nullptr) << section;
    if (s == nullptr) {
        return "<no section>";
    }
    const auto it = std::ranges::find_if(s->rows, [&](const auto& row) { return row[0] == label; });
    return it == s->rows.end() ? "<no row>" : (*it)[1];
}

TEST(ProtocolContentTest, SectionsOfAbsentDevicesAreLeftOutAndPageTwoFollows) {
    struct Case {
        bool chromatograph, moisture, flowComputers;
        std::vector<int> sections;
        int pageTwo;
    } const cases[] = {
        {true, true, true, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 7},
        {true, false, true, {1, 2, 3, 4, 6, 7, 8, 9, 10}, 8},
        {false, false, true, {1, 2, 3, 4, 7, 8, 10}, 8},
        {true, true, false, {1, 2, 3, 4, 5, 6, 9, 10}, 9},
        {false, false, false, {1, 2, 3, 4, 10}, 10},
    };
    for (const Case& c : cases) {
        const auto content =
            BuildProtocolContent(Record(c.chromatograph, c.moisture, c.flowComputers));
        std::vector<int> numbers;
        for (const auto& s : content.sections) {
            numbers.push_back(s.number);
        }
        EXPECT_EQ(numbers, c.sections);
        ASSERT_LT(content.secondPageStart, content.sections.size());
        EXPECT_EQ(content.sections[content.secondPageStart].number, c.pageTwo);
    }
}

TEST(ProtocolContentTest, ChangeRulesAndDayCodes) {
    struct Case {
        std::uint8_t month, dayCode, hour;
        const char* text;
    } const cases[] = {
        {10, 15, 4, "Октябрь, день: 15, 04:00"},
        {3, 0xC9, 3, "Март, пВс, 03:00"},
        {3, 0xCA, 2, "Март, ппВс, 02:00"},
        {3, 0xCB, 2, "Март, Вс, 02:00"},
        {4, 0x80 | 2 << 3 | 3, 1, "Апрель, 3Пн, 01:00"},
        {4, 0x80 | 7 << 3 | 1, 1, "Апрель, 1Сб, 01:00"},
        {4, 0x80 | 1, 1, "Апрель, день: ?, 01:00"},           // weekday 0
        {4, 0x80 | 1 << 3 | 4, 1, "Апрель, день: ?, 01:00"},  // ordinal 4
        {0, 15, 4, "Переход запрещен"},
        {13, 15, 4, "?, день: 15, 04:00"},
        {12, 0x7F, 23, "Декабрь, день: 31, 23:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChangeRuleText(c.month, c.dayCode, c.hour), c.text);
    }
    const auto content = BuildProtocolContent(Record(true, false, true));
    EXPECT_EQ(Value(content, 4, "Переход на летнее время"), "Март, пВс, 03:00");
}

TEST(ProtocolContentTest, ValueTextsOfTheEdgeCases) {
    ProtocolRecord r = Record(true, true, true);
    r.bytes[216] = 10;   // chromatograph address
    r.bytes[230] = 255;  // moisture-meter address
    r.bytes[135] = 22;   // baud index past the list
    r.bytes[217] = 21;
    r.bytes[223] = 2;  // run 2 only
    r.bytes[226] = 9;
    r.bytes[228] = 4;
    r.bytes[116] = 14;
    const auto c = BuildProtocolContent(r);
    struct Case {
        int section;
        const char* label;
        const char* value;
    } const cases[] = {
        {6, "Адрес хроматографа", "00a"},
        {5, "Адрес влагомера", "0ff"},
        {2, "Скорость обмена с ВУ", "0"},
        {6, "Скорость обмена с хроматографом", "230400"},
        {6, "Задействованные нитки  хроматографа", "Задействована нитка 2"},
        {6, "Индекс ВРГ для чтения темп. газа для нитки 1 хроматографа", ""},
        {6, "Индекс ВРГ для чтения темп. газа для нитки 2 хроматографа", "4"},
        {1, "Признак наличия разрушенных таблиц", "Разрушена таблица 14"},
        {1, "Номер версии программного обеспечения (ПО)", "6"},
        {2, "Адрес контроллера", "001"},
        {3, "Наименование контроллера", "Контроллер ЗОР_06"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(Value(c, k.section, k.label), k.value) << k.label;
    }
}

TEST(ProtocolContentTest, HourlyPeriodRowOnlyForTheHourlyMeansMode) {
    struct Case {
        std::uint8_t mode, period;
        std::size_t rows;
        const char* last;
    } const cases[] = {
        {2, 6, 7, "6 ч"},
        {2, 5, 7, "Не законфигурировано"},
        {1, 6, 6, "Запись изменённых ср. знач. за законч. час в нач. часа"},
        {9, 6, 6, "Не законфигурировано"},
    };
    for (const Case& c : cases) {
        ProtocolRecord r = Record(false, false, true);
        r.bytes[215] = c.mode;
        r.bytes[722] = c.period;
        const ProtocolContent content = BuildProtocolContent(r);
        const ProtocolSection* s = Section(content, 7);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->rows.size(), c.rows);
        EXPECT_EQ(s->rows.back()[1], c.last);
    }
}

TEST(ProtocolContentTest, FlowComputerRowsStayWithinSixteen) {
    struct Case {
        std::uint8_t count;
        std::size_t rows;
    } const cases[] = {{0, 0}, {3, 3}, {16, 16}, {17, 16}, {255, 16}};
    for (const Case& c : cases) {
        ProtocolRecord r = Record(false, false, true);
        r.bytes[210] = c.count;
        r.bytes[239] = 3;     // type of the second
        r.bytes[271] = 0x45;  // second: pipelines 1 and 3, pipeline 3 from run 2
        r.bytes[287] = 7;
        const ProtocolContent content = BuildProtocolContent(r);
        const ProtocolSection* s = Section(content, 8);
        ASSERT_NE(s, nullptr);
        ASSERT_EQ(s->rows.size(), c.rows);
        if (c.rows >= 2) {
            EXPECT_EQ(s->rows[1],
                      (std::vector<std::string>{"2", "002", "Не законфигурир.", "Не законфигур.",
                                                "Нитка 1 хроматографа", "Нет записи",
                                                "Нитка 2 хроматографа"}));
            EXPECT_EQ(s->rows[0][2], "ЛС-4");
        }
    }
}

TEST(ProtocolContentTest, GasParametersWithTheirWriteChoiceAndLimits) {
    ProtocolRecord r = Record(true, false, false);
    r.bytes[302 + 7] = 1;
    r.bytes[302 + 8] = 0;
    r.bytes[302 + 19] = 2;
    const ProtocolContent content = BuildProtocolContent(r);
    const ProtocolSection* s = Section(content, 9);
    ASSERT_NE(s, nullptr);
    ASSERT_EQ(s->rows.size(), 18U);
    struct Case {
        std::size_t row;
        const char* number;
        const char* name;
        const char* write;
    } const cases[] = {
        {7, "8", "   Молярная доля азота", "Да"},
        {8, "9", "   Молярная доля метана", "Нет"},
        {15, "18", "   Число Воббе низшее", "Нет"},
        {17, "20", "   Относительная плотность", "Не законф."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(s->rows[c.row][0], c.number);
        EXPECT_EQ(s->rows[c.row][1], c.name);
        EXPECT_EQ(s->rows[c.row][3], c.write);
        ASSERT_EQ(s->rows[c.row].size(), 9U);
    }
    // The limits of a new configuration, with the decimals of their kind.
    const std::vector<std::string> methane(s->rows[8].begin() + 4, s->rows[8].end());
    EXPECT_EQ(methane,
              (std::vector<std::string>{"5.0000", "95.000", "100.000", "90.000", "100.000"}));
    const std::vector<std::string> heat(s->rows[11].begin() + 4, s->rows[11].end());
    EXPECT_EQ(heat, (std::vector<std::string>{"5.0000", "36", "45", "35", "45"}));
}

}  // namespace
}  // namespace zor06::config
