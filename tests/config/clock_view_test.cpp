// The clocks compared and the correction computed as the date-and-time screen does.
#include "config/clock_view.h"

#include <gtest/gtest.h>

#include <array>

namespace zor06::config {
namespace {

// Table 6 bytes 0..11: summer from the last Sunday of March 3:00, winter from the last Sunday of
// October 4:00; byte 11 lets the PC set the clock.
constexpr std::array<std::uint8_t, 12> kSystem{3, 201, 3, 10, 201, 4, 9, 1, 0, 1, 0, 1};

TEST(TimeCorrection, FollowsTheHourRule) {
    struct Case {
        bytes::ControllerDateTime controller;
        bytes::ControllerDateTime pc;
        int seconds;
    } const cases[] = {
        {{24, 3, 5, 10, 20, 0}, {24, 3, 5, 10, 21, 30}, 90},   // same hour: the difference
        {{24, 3, 5, 10, 59, 50}, {24, 3, 5, 11, 0, 5}, 10},    // earlier: on to the next hour
        {{24, 3, 5, 10, 0, 30}, {24, 3, 5, 9, 59, 50}, -30},   // later: back to the hour's start
        {{24, 3, 5, 10, 30, 0}, {24, 3, 6, 10, 30, 0}, 1800},  // a day behind
        {{25, 1, 1, 0, 0, 0}, {24, 12, 31, 23, 59, 59}, 0},    // later, at the hour's start
        {{24, 3, 5, 10, 20, 30}, {24, 3, 5, 10, 20, 30}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeCorrection(c.controller, c.pc), c.seconds)
            << int(c.controller[3]) << ":" << int(c.controller[4]) << " vs " << int(c.pc[3]) << ":"
            << int(c.pc[4]);
    }
}

TEST(ClockView, ShowsThreeClocksAndMarksWhatDiffersFromThePc) {
    // 5 March 2024 10:20:30 local, a Tuesday in winter time.
    const double pc = tables::DecodeToPc({24, 3, 5, 10, 20, 30});
    const std::array<std::uint8_t, 8> controller{24, 3, 5, 10, 21, 0, 3, 0};
    const std::array<std::uint8_t, 6> chromatograph{24, 3, 4, 10, 20, 30};
    const ClockView view = BuildClockView(controller, chromatograph, pc, kSystem);

    const ClockRow& c = view.rows[0];
    EXPECT_EQ(c.label, "В контроллере");
    EXPECT_EQ(c.date, "05.03.24");
    EXPECT_EQ(c.time, "10:21:00");
    EXPECT_EQ(c.weekday, "Вторник");
    EXPECT_EQ(c.timeType, "Летнее");
    EXPECT_FALSE(c.dateDiffers);
    EXPECT_TRUE(c.timeDiffers);
    EXPECT_FALSE(c.weekdayDiffers);
    EXPECT_TRUE(c.timeTypeDiffers);

    const ClockRow& p = view.rows[1];
    EXPECT_EQ(p.label, "В ЭВМ");
    EXPECT_EQ(p.time, "10:20:30");
    EXPECT_EQ(p.weekday, "Вторник");
    EXPECT_EQ(p.timeType, "Зимнее");

    const ClockRow& h = view.rows[2];
    EXPECT_EQ(h.label, "В хроматографе");
    EXPECT_EQ(h.date, "04.03.24");
    EXPECT_TRUE(h.dateDiffers);
    EXPECT_FALSE(h.timeDiffers);
    EXPECT_TRUE(h.weekday.empty());
    EXPECT_TRUE(view.pcSyncAllowed);
    EXPECT_EQ(TimeCorrection(view.controller, view.pc), -30);
}

TEST(ClockView, NamesOnlyRealWeekdaysAndSyncFollowsTable6) {
    EXPECT_EQ(WeekdayName(1), "Воскресенье");
    EXPECT_EQ(WeekdayName(7), "Суббота");
    for (const std::uint8_t bad : {0, 8, 255}) {
        EXPECT_EQ(WeekdayName(bad), "?") << int(bad);
    }
    EXPECT_EQ(TimeTypeName(128), "Зимнее");
    EXPECT_EQ(TimeTypeName(1), "Зимнее");

    auto system = kSystem;
    system[11] = 0;
    const std::array<std::uint8_t, 8> controller{24, 3, 5, 10, 20, 30, 9, 128};
    const std::array<std::uint8_t, 6> chromatograph{};
    const ClockView view = BuildClockView(controller, chromatograph,
                                          tables::DecodeToPc({24, 3, 5, 10, 20, 30}), system);
    EXPECT_FALSE(view.pcSyncAllowed);
    EXPECT_EQ(view.rows[0].weekday, "?");
    EXPECT_TRUE(view.rows[0].weekdayDiffers);
}

}  // namespace
}  // namespace zor06::config
