// The accept routines of the simple editors: the order of their checks, what they store, and that
// a refused entry leaves the target as it was.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "config/distribution_editors.h"
#include "config/names_editor.h"
#include "config/system_editor.h"
#include "config/upper_link_editor.h"

namespace zor06::config {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> Filled(std::uint8_t value) {
    std::array<std::uint8_t, N> bytes;
    bytes.fill(value);
    return bytes;
}

std::string Text1(const Refusal& r) {
    return r ? r->text1 : std::string("accepted");
}

TEST(NamesEditor, StoresEachNameZeroFilledAndRefusesAnEmptyOne) {
    auto target = Filled<kNamesBytes>('x');
    const auto before = target;
    EXPECT_EQ(Text1(AcceptNames({"Контроллер", "  ", "Нитка 2"}, target)),
              "Введены не все параметры");
    EXPECT_EQ(target, before);

    const std::string twenty(20, 'N');
    ASSERT_FALSE(AcceptNames({"ГРС", twenty, twenty + "cut"}, target));
    EXPECT_EQ(target[0], 0xC3);  // Г in Windows-1251
    EXPECT_EQ(target[3], 0);
    EXPECT_EQ(target[20 + 19], 'N');  // no terminator at 20 characters
    EXPECT_EQ(target[40 + 19], 'N');
    EXPECT_EQ(FillNames(target), (Names{"ГРС", twenty, twenty}));
}

TEST(UpperLinkEditor, ChecksInOrderAndStoresNothingBeforeAllPass) {
    struct Case {
        const char* address;
        std::optional<int> rate;
        bool rateEnabled;
        const char* preambles;
        const char* result;
    } const cases[] = {
        {"", 11, true, "5", "Введены не все параметры"},
        {"7", std::nullopt, true, "5", "Введены не все параметры"},
        {"7", std::nullopt, false, "5", "accepted"},  // a disabled rate list needs no choice
        {"7", 11, true, "", "Введены не все параметры"},
        {"7", 11, true, "256", "Количество преамбул не должно превышать 255"},
        {"7", 11, true, "99999999999999999999999", "Количество преамбул не должно превышать 255"},
        {"255", 11, true, "255", "Адрес должен быть"},
        {"0", 11, true, "5", "Адрес должен быть"},
        {"254", 21, true, "255", "accepted"},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, kUpperLinkBytes> target{1, 3, 9, 7};
        const auto before = target;
        const Refusal r = AcceptUpperLink({c.address, c.rate, c.rateEnabled, c.preambles}, target);
        EXPECT_EQ(Text1(r), c.result) << c.address << " " << c.preambles;
        if (r) {
            EXPECT_EQ(target, before) << "a refused entry stored something";
        } else {
            EXPECT_EQ(target[1], c.rateEnabled ? *c.rate : 3);
            EXPECT_EQ(target[3], 0);
        }
    }
    // Only a direct line to a controller that says it works at several speeds.
    tables::ControllerImage several;
    several.SetByte(0, 11, 1);
    const tables::ControllerImage single;
    EXPECT_FALSE(UpperLinkRateEditable(false, several));
    EXPECT_FALSE(UpperLinkRateEditable(true, single));
    EXPECT_TRUE(UpperLinkRateEditable(true, several));
}

TEST(SystemEditor, DayCodesRoundTripAndUnknownCodesAreNone) {
    const DayCode lastSunday{DayWay::WeekdayInMonth, 0, 4, 1};
    EXPECT_EQ(EncodeDayCode(lastSunday), 201);
    for (const std::uint8_t code : {201, 0x89, 0xD2, 15, 31}) {
        const auto day = DecodeDayCode(code);
        ASSERT_TRUE(day) << int(code);
        EXPECT_EQ(EncodeDayCode(*day), code);
    }
    for (const std::uint8_t code : {0, 32, 0x80, 0x8C, 0xC3, 0xBF}) {
        EXPECT_FALSE(DecodeDayCode(code)) << int(code);
    }
    EXPECT_EQ(ChangeMonthDays(2), 28);
    EXPECT_EQ(ChangeMonthDays(10), 31);
    EXPECT_EQ(ChangeMonthDays(9), 30);
}

TEST(SystemEditor, RefusesIncompleteOrImpossibleChanges) {
    const std::array<std::uint8_t, kSystemBytes> stored{3, 201, 3, 10, 201, 4, 9, 1, 0, 1, 0, 1};
    const SystemEntries good = FillSystem(stored);
    struct Case {
        const char* what;
        void (*edit)(SystemEntries&);
        bool accepted;
    } const cases[] = {
        {"unchanged", [](SystemEntries&) {}, true},
        {"no contract hour", [](SystemEntries& e) { e.contractHour.reset(); }, false},
        {"no day", [](SystemEntries& e) { e.summer.day.reset(); }, false},
        {"30 February",
         [](SystemEntries& e) {
             e.summer.month = 2;
             e.summer.day = DayCode{DayWay::DayOfMonth, 30, -1, 0};
         },
         false},
        {"31 September",
         [](SystemEntries& e) {
             e.winter.month = 9;
             e.winter.day = DayCode{DayWay::DayOfMonth, 31, -1, 0};
         },
         false},
        {"no weekday", [](SystemEntries& e) { e.winter.day->weekday = 0; }, false},
        {"winter hour 0", [](SystemEntries& e) { e.winter.hour = 0; }, false},
        {"summer in July", [](SystemEntries& e) { e.summer.month = 7; }, false},
        {"summer forbidden, no day needed",
         [](SystemEntries& e) {
             e.summer.month = 0;
             e.summer.day.reset();
         },
         true},
    };
    for (const Case& c : cases) {
        SystemEntries e = good;
        c.edit(e);
        auto target = stored;
        const Refusal r = AcceptSystem(e, target);
        EXPECT_EQ(!r, c.accepted) << c.what;
        if (r) {
            EXPECT_EQ(r->text1, "Введены не все параметры") << c.what;
            EXPECT_EQ(target, stored) << c.what;
        }
    }
    SystemEntries moved = good;
    moved.contractHour = 10;
    moved.moistureMeter = true;
    auto target = stored;
    ASSERT_FALSE(AcceptSystem(moved, target));
    EXPECT_EQ(target,
              (std::array<std::uint8_t, kSystemBytes>{3, 201, 3, 10, 201, 4, 10, 1, 1, 1, 0, 1}));
}

TEST(DistributionEditors, PeriodAndWriteChoices) {
    std::array<std::uint8_t, 2> period{5, 9};
    EXPECT_FALSE(FillPeriod(period));  // 5 is no period of the list
    EXPECT_EQ(Text1(AcceptPeriod(std::nullopt, period)), "Не введен период");
    ASSERT_FALSE(AcceptPeriod(4, period));
    EXPECT_EQ(period, (std::array<std::uint8_t, 2>{6, 0}));

    auto table = Filled<kGasParameterCount>(1);
    table[3] = 7;  // no choice of the list
    WriteChoices choices = FillWriteChoices(table);
    EXPECT_FALSE(choices[3]);
    EXPECT_EQ(choices[15], 0);
    const Refusal r = AcceptWriteChoices(choices, table);
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->plainBox);
    EXPECT_EQ(r->text2, "Ошибка");
    choices[3] = 0;
    ASSERT_FALSE(AcceptWriteChoices(choices, table));
    EXPECT_EQ(table[3], 0);
    EXPECT_EQ(table[15], 0);
    EXPECT_EQ(table[16], 0);
    EXPECT_EQ(table[19], 1);
    EXPECT_EQ(GasParameterName(15), " Сумма мол.долей всeх компонентов");
}

}  // namespace
}  // namespace zor06::config
