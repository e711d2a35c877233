#include "gasdata/wmt_view_model.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>

#include "data_set_builders.h"
#include "gasdata/wmt_momentary.h"

namespace zor06::gasdata {
namespace {

using testing::Add;
using testing::EmptySet;
using Cells = std::vector<std::string>;

constexpr std::array<float, 4> kValues{-12.5F, 12345.6F, 0.00012F, 0.0F};

WmtMinRecord Minute(std::uint8_t state, std::uint16_t word = 0) {
    WmtMinRecord r;
    r.date = {24, 3, 1, 10, 3, 0};
    r.state = state;
    r.statusWord = word;
    r.values = kValues;
    return r;
}

WmtHdRecord Interval(std::uint8_t status, std::uint8_t endHour = 11) {
    WmtHdRecord r;
    r.date = {24, 3, 1};
    r.start = {10, 0, 0};
    r.end = {endHour, 0, 0};
    r.status = status;
    r.values = kValues;
    return r;
}

template <typename Record>
DataRow OnlyRow(DataKind kind, const Record& r, bool sealed = true) {
    DataSet set = EmptySet(kind);
    Add(set, r, sealed);
    return WmtDataView(set).rows.at(0);
}

TEST(WmtDataView, CaptionsAndHeadings) {
    const DataView minute = WmtDataView(EmptySet(DataKind::WmtMinute));
    EXPECT_EQ(minute.caption,
              "Мгновенные данные влагомера за период  с  01.03.24 10:00:00  по  01.03.24 12:57:00");
    EXPECT_EQ(WmtDataView(EmptySet(DataKind::WmtHour)).caption,
              "Часовые данные влагомера за период с 01.03.24  10ч  по  02.03.24  09ч");
    EXPECT_EQ(WmtDataView(EmptySet(DataKind::WmtDay)).caption,
              "Суточные данные влагомера за период с 01.03.24  по  05.03.24");
    ASSERT_EQ(minute.valueHeadings.size(), 4U);
    EXPECT_EQ(minute.valueHeadings[3].lines,
              (std::array<std::string, 3>{"Прив. Т т.росы", "по воде", "к Р абс."}));
    EXPECT_EQ(minute.valueHeadings[2].unit, "bar");
    EXPECT_TRUE(minute.statusColumns.empty());
    EXPECT_EQ(WmtDataView(EmptySet(DataKind::WmtHour)).leftHeadings[2].lines[1], "конца");
}

TEST(WmtDataView, MinuteStateDecidesTheCells) {
    struct Case {
        std::uint8_t state;
        std::uint16_t word;
        const char* stateCell;
        const char* wordCell;
        Cells values;
    };
    const Cells numbers{"  -12.500", "  12346", "  0.0001", "  0"};
    const Cells off(4, "  Выкл.");
    const Cells zeros(4, "       0");
    const Case cases[] = {
        {0x00, 0x0000, "  Норма", "  Норма", numbers},
        {0x01, 0x1234, "  0x01", "  0x1234", numbers},
        {0x02, 0x1234, "  0x02", "", off},
        {0x04, 0x1234, "  0x04", " Нет связи", zeros},
        {0x06, 0x0000, "  0x06", "", off},
    };
    for (const Case& c : cases) {
        const DataRow row = OnlyRow(DataKind::WmtMinute, Minute(c.state, c.word));
        EXPECT_EQ(row.left, (Cells{"  01.03.24", "  10:03:00", c.stateCell, c.wordCell}))
            << int{c.state};
        EXPECT_EQ(row.values, c.values) << int{c.state};
        EXPECT_EQ(row.numbers[0].has_value(), c.values == numbers);
        EXPECT_FALSE(row.counted);
    }
}

TEST(WmtDataView, IntervalStatusDecidesTheCells) {
    EXPECT_EQ(OnlyRow(DataKind::WmtHour, Interval(0)).left,
              (Cells{"  01.03.24", "  10:00:00", "   11:00:00", "  Норма"}));
    const DataRow off = OnlyRow(DataKind::WmtHour, Interval(0x02));
    EXPECT_EQ(off.left[3], "  0x02");
    EXPECT_EQ(off.values, Cells(4, "  Выкл."));
    EXPECT_EQ(OnlyRow(DataKind::WmtHour, Interval(0x04)).values, Cells(4, "       0"));
    EXPECT_EQ(OnlyRow(DataKind::WmtDay, Interval(0, 0x8A)).left[2], "   10:00:00");
    EXPECT_EQ(OnlyRow(DataKind::WmtDay, Interval(0, 0x0A)).left[2], "   10:00:00*");
}

TEST(WmtDataView, BadCrcRowsAreMarked) {
    const DataRow minute = OnlyRow(DataKind::WmtMinute, Minute(0), false);
    EXPECT_FALSE(minute.crcValid);
    EXPECT_EQ(minute.left, (Cells{"     Данные", " недостов.", "", ""}));
    EXPECT_EQ(minute.values, Cells(4));
    EXPECT_EQ(OnlyRow(DataKind::WmtDay, Interval(0), false).left[1], " недостов.");
}

TEST(WmtMomentary, DateTimeAndFiveLabelledValues) {
    std::array<std::uint8_t, kWmtMomentaryBytes> fields{24, 3, 7, 0xEE, 9, 5, 7, 0xEE};
    const float values[] = {-12.5F, std::numeric_limits<float>::infinity(), 0.0F, 12345.6F, 3.25F};
    for (int i = 0; i < 5; ++i) {
        const auto bits = std::bit_cast<std::uint32_t>(values[i]);
        for (int b = 0; b < 4; ++b) {
            fields[8 + 4 * i + b] = static_cast<std::uint8_t>(bits >> (8 * b));
        }
    }
    const WmtMomentary content = WmtMomentaryContent(fields);
    EXPECT_EQ(content.dateTime, "07.03.24 09:05:07");
    const Cells texts{"  -12.500", "  NAN", "  0", "  12346", "  3.2500"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(content.values[i].text, texts[i]);
    }
    EXPECT_EQ(content.values[0].label,
              " PV21 – Температура точки росы газа по воде WDP при рабочем давлении,  °C");
    EXPECT_EQ(content.values[4].label, " PV25 – Избыточное давление  газа HDP,  bar");
}

}  // namespace
}  // namespace zor06::gasdata
