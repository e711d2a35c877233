#include "gasdata/abnormal_signs.h"

#include <gtest/gtest.h>

namespace zor06::gasdata {
namespace {

using Lines = std::vector<std::string>;

RowSigns Minute(std::uint8_t state, std::uint16_t word) {
    return {0, state, word, "caption"};
}

TEST(AbnormalSigns, MinuteRecordWithoutSignsShowsNormInBothLists) {
    const auto lists = AbnormalSigns(Minute(0, 0));
    ASSERT_EQ(lists.size(), 2U);
    EXPECT_EQ(lists[0].statusLine, "  Статус контроллера: 0x00");
    EXPECT_EQ(lists[0].lines, Lines{"Норма"});
    EXPECT_EQ(lists[1].statusLine, "  Статус хроматографа: 0x0000");
    EXPECT_EQ(lists[1].lines, Lines{"Норма"});
}

TEST(AbnormalSigns, SwitchedOffOrNoLinkLeavesOutTheChromatographList) {
    const auto both = AbnormalSigns(Minute(0x22, 0xFFFF));
    ASSERT_EQ(both.size(), 1U);
    EXPECT_EQ(both[0].statusLine, "  Статус контроллера: 0x22");
    EXPECT_EQ(both[0].lines, (Lines{"Контроллер был выключен", "Не было связи с HMU"}));
    EXPECT_EQ(AbnormalSigns(Minute(0x02, 1)).size(), 1U);
    EXPECT_EQ(AbnormalSigns(Minute(0x20, 1)).size(), 1U);
}

TEST(AbnormalSigns, StatusWordBitsAreListedLowByteFirstUnderTheHighByteFirstValue) {
    const auto lists = AbnormalSigns(Minute(0x04, 0x0101));
    ASSERT_EQ(lists.size(), 2U);
    EXPECT_EQ(lists[0].lines, Lines{"Норма"});  // bit 2 of the state has no text
    EXPECT_EQ(lists[1].statusLine, "  Статус хроматографа: 0x0101");
    EXPECT_EQ(lists[1].lines, (Lines{" Неудачная автокалибровка",
                                     " Превышено рекомендуемое кол. анализов без ремонта"}));
    EXPECT_EQ(AbnormalSigns(Minute(0, 0x8000))[1].lines,
              Lines{" Не поступают данные от хроматографа"});
    EXPECT_EQ(AbnormalSigns(Minute(0, 0xABCD))[1].statusLine, "  Статус хроматографа: 0xABCD");
}

TEST(AbnormalSigns, EveryMinuteStateBitHasItsLineInBitOrder) {
    const auto lists = AbnormalSigns(Minute(0xD9, 0));
    EXPECT_EQ(
        lists[0].lines,
        (Lines{"Выполнялась ручная калибровка хроматографа", "Нештатное состояние хроматографа",
               "Значение вышло за допускаемые пределы", "Хроматограф не обновил данные",
               "Выполнялась калибровка автоматическая хроматографа"}));
}

TEST(AbnormalSigns, IntervalRecordsHaveOnlyTheControllerListWithTheirOwnTexts) {
    const auto lists = AbnormalSigns({1, 0x7F, 0xFFFF, ""});
    ASSERT_EQ(lists.size(), 1U);
    EXPECT_EQ(lists[0].statusLine, "  Статус контроллера: 0x7F");
    EXPECT_EQ(lists[0].lines,
              (Lines{"Нет данных - контроллер был выключен",
                     "Использовалась ЗПЗ - был нештатный режим работы хроматографа",
                     "Использовалась ЗПЗ - значение выходило за допускаемые пределы",
                     "Использовалась ЗПЗ - не было связи с HMU",
                     "Использовалась ЗПЗ - хроматограф не обновил данные"}));
    EXPECT_EQ(AbnormalSigns({1, 0x81, 0, ""})[0].lines, Lines{"Норма"});
}

}  // namespace
}  // namespace zor06::gasdata
