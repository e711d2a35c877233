#include "tables/controller_date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

namespace zor06::tables {
namespace {

using namespace std::chrono;

bytes::ControllerDateTime Dt(int year, int month, int day, int hour = 0, int minute = 0,
                             int second = 0) {
    return {static_cast<std::uint8_t>(year - 2000), static_cast<std::uint8_t>(month),
            static_cast<std::uint8_t>(day),         static_cast<std::uint8_t>(hour),
            static_cast<std::uint8_t>(minute),      static_cast<std::uint8_t>(second)};
}

CalendarDate FromChrono(sys_days day) {
    const year_month_day ymd{day};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

// Summer time from the last Sunday of March at 3 h, winter time from the last Sunday of October
// at 4 h.
constexpr TransitionRule kSummer{3, 0xC9, 3};
constexpr TransitionRule kWinter{10, 0xC9, 4};

TEST(ControllerDateTest, EncodesAndDecodesPcDateTimes) {
    const bytes::ControllerDateTime newYearsEve = Dt(2019, 12, 31, 23, 59, 59);
    EXPECT_EQ(EncodeNow(43830.0 + 86399.0 / 86400.0), newYearsEve);
    EXPECT_DOUBLE_EQ(DecodeToPc(Dt(2000, 1, 1)), 36526.0);
    EXPECT_DOUBLE_EQ(DecodeToPc(Dt(2020, 3, 29, 18)), 43919.75);
    // The year byte is the low byte of year + 48.
    EXPECT_EQ(EncodeNow(DaysBetween({1899, 12, 30}, {2256, 1, 1}))[kYearByte], 0);

    // Every hour of two years, each with its own minute and second.
    bytes::ControllerDateTime dt = Dt(2019, 1, 1, 0, 0, 0);
    for (int i = 0; i < 2 * 366 * 24; ++i) {
        dt[kMinuteByte] = static_cast<std::uint8_t>(i % 60);
        dt[kSecondByte] = static_cast<std::uint8_t>(i * 7 % 60);
        ASSERT_EQ(EncodeNow(DecodeToPc(dt)), dt) << i;
        dt = StepForward(dt, kStepHour);
    }
}

TEST(ControllerDateTest, CalendarAgreesWithChronoOver2002To2099) {
    const sys_days reference{2002y / January / 6};
    const sys_days pcEpoch{1899y / December / 30};
    for (sys_days day{2002y / January / 1}; day <= sys_days{2099y / December / 31};
         day += days{1}) {
        const CalendarDate date = FromChrono(day);
        const weekday wd{day};
        ASSERT_EQ(DayOfWeek(date.year, date.month, date.day),
                  static_cast<int>(wd.c_encoding()) + 1);
        ASSERT_EQ(DaysBetween(FromChrono(reference), date), (day - reference).count());
        ASSERT_EQ(DaysBetween(date, FromChrono(reference)), (reference - day).count());
        ASSERT_EQ(DaysBetween(date, FromChrono(day + days{1000})), 1000);
        ASSERT_EQ(DayOfYear(date.year, date.month, date.day),
                  (day - sys_days{year_month_day{day}.year() / January / 1}).count() + 1);
        ASSERT_EQ(DecodeToPc(Dt(date.year, date.month, date.day)),
                  static_cast<double>((day - pcEpoch).count()));
    }
    EXPECT_EQ(DayOfWeek(2002, 1, 6), 1);
    EXPECT_EQ(DayOfWeek(2020, 1, 1), 4);
}

TEST(ControllerDateTest, ValidityFollowsTheMonthLength) {
    EXPECT_TRUE(IsValid(Dt(2020, 2, 29, 23, 59, 59)));
    EXPECT_FALSE(IsValid(Dt(2021, 2, 29)));
    EXPECT_TRUE(IsValid(Dt(2000, 2, 29)));
    EXPECT_FALSE(IsValid(Dt(2021, 4, 31)));
    EXPECT_FALSE(IsValid(Dt(2021, 0, 1)));
    EXPECT_FALSE(IsValid(Dt(2021, 13, 1)));
    EXPECT_FALSE(IsValid(Dt(2021, 1, 0)));
    EXPECT_FALSE(IsValid(Dt(2021, 1, 1, 24)));
    EXPECT_FALSE(IsValid(Dt(2021, 1, 1, 0, 60)));
    EXPECT_FALSE(IsValid(Dt(2021, 1, 1, 0, 0, 60)));
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2020, 13), 0);
}

TEST(ControllerDateTest, ComparesOverTheChosenPrefix) {
    const bytes::ControllerDateTime a = Dt(2020, 5, 10, 12, 30, 15);
    EXPECT_EQ(Compare6(a, Dt(2020, 5, 10, 12, 30, 16)), -1);
    EXPECT_EQ(Compare6(a, a), 0);
    EXPECT_EQ(Compare6(Dt(2021, 1, 1), a), 1);
    EXPECT_EQ(Compare5(a, Dt(2020, 5, 10, 12, 30, 59)), 0);
    EXPECT_EQ(Compare5(a, Dt(2020, 5, 10, 12, 29, 59)), 1);
    EXPECT_EQ(CompareTo(a, Dt(2020, 5, 10, 12, 59), kPrecisionHour), 0);
    EXPECT_EQ(CompareTo(a, Dt(2020, 5, 10, 13), kPrecisionHour), -1);
    EXPECT_EQ(CompareTo(a, Dt(2020, 5, 10, 13), kPrecisionDay), 0);
    EXPECT_EQ(CompareTo(a, Dt(2020, 5, 9, 23), kPrecisionDay), 1);
    EXPECT_EQ(CompareTo(a, Dt(2020, 5, 31), kPrecisionMonth), 0);
    EXPECT_EQ(CompareTo(a, Dt(2020, 6, 1), kPrecisionMonth), -1);
}

TEST(ControllerDateTest, StepsCarryAcrossMonthAndYearEnds) {
    EXPECT_EQ(StepForward(Dt(2019, 12, 31, 23, 59, 59), kStepHour), Dt(2020, 1, 1, 0, 59, 59));
    EXPECT_EQ(StepForward(Dt(2020, 2, 28, 5), kStepDay), Dt(2020, 2, 29, 5));
    EXPECT_EQ(StepForward(Dt(2021, 2, 28, 5), kStepDay), Dt(2021, 3, 1, 5));
    EXPECT_EQ(StepForward(Dt(2020, 12, 31), kStepMonth), Dt(2021, 1, 31));
    EXPECT_EQ(StepForward(Dt(2021, 1, 31), kStepMonth), Dt(2021, 3, 1));
    EXPECT_EQ(StepBack(Dt(2020, 1, 1, 0, 15), kStepHour), Dt(2019, 12, 31, 23, 15));
    EXPECT_EQ(StepBack(Dt(2020, 3, 1), kStepDay), Dt(2020, 2, 29));
    EXPECT_EQ(StepBack(Dt(2020, 1, 15), kStepMonth), Dt(2019, 12, 15));
    EXPECT_EQ(StepBack(Dt(2021, 3, 31), kStepMonth), Dt(2021, 3, 1));

    EXPECT_EQ(StepThreeMinutes(Dt(2020, 6, 1, 10, 57), kStepThreeMinutes), Dt(2020, 6, 1, 11, 0));
    EXPECT_EQ(StepThreeMinutes(Dt(2020, 12, 31, 23, 57), kStepThreeMinutes), Dt(2021, 1, 1, 0, 0));
    EXPECT_EQ(StepThreeMinutes(Dt(2020, 6, 1, 10, 58), kStepThreeMinutes), Dt(2020, 6, 1, 11, 1));
    EXPECT_EQ(StepThreeMinutes(Dt(2020, 6, 1, 23, 42), kStepHour), Dt(2020, 6, 2, 0, 42));
    bytes::ControllerDateTime dt = Dt(2020, 2, 28, 12, 3);
    for (int i = 0; i < 480; ++i) {
        dt = StepThreeMinutes(dt, kStepThreeMinutes);
    }
    EXPECT_EQ(dt, Dt(2020, 2, 29, 12, 3));
}

TEST(ControllerDateTest, StepBackUndoesStepForward) {
    for (bytes::ControllerDateTime dt = Dt(2019, 11, 1, 23); Compare6(dt, Dt(2021, 3, 2)) < 0;
         dt = StepForward(dt, kStepDay)) {
        for (const int unit : {kStepHour, kStepDay}) {
            const bytes::ControllerDateTime next = StepForward(dt, unit);
            ASSERT_TRUE(IsValid(next));
            ASSERT_EQ(Compare6(dt, next), -1);
            ASSERT_EQ(StepBack(next, unit), dt);
        }
        bytes::ControllerDateTime early = dt;
        early[kDayByte] = static_cast<std::uint8_t>(dt[kDayByte] % 28 + 1);
        ASSERT_EQ(StepBack(StepForward(early, kStepMonth), kStepMonth), early);
    }
}

TEST(ControllerDateTest, DayCodesGiveTheTransitionDay) {
    EXPECT_EQ(TransitionDay(20, 3, 0xC9), 89);
    EXPECT_EQ(TransitionDay(20, 10, 0xCA), DayOfYear(2020, 10, 18));
    EXPECT_EQ(TransitionDay(21, 2, 0xE9), DayOfYear(2021, 2, 25));  // last Thursday
    EXPECT_EQ(TransitionDay(20, 3, 0x89), DayOfYear(2020, 3, 1));   // first Sunday, on the 1st
    EXPECT_EQ(TransitionDay(20, 3, 0x93), DayOfYear(2020, 3, 16));  // third Monday
    EXPECT_EQ(TransitionDay(20, 4, 0xBA), DayOfYear(2020, 4, 11));  // second Saturday
    EXPECT_EQ(TransitionDay(20, 2, 0xF9), DayOfYear(2020, 2, 29));  // last Saturday, leap day
    EXPECT_EQ(TransitionDay(20, 5, 15), DayOfYear(2020, 5, 15));
    EXPECT_EQ(TransitionDay(20, 0, 15), 0);
}

TEST(ControllerDateTest, TimeTypeSwitchesAtTheTransitionHours) {
    EXPECT_EQ(TimeType(Dt(2020, 3, 29, 2, 59), kSummer, kWinter), kWinterTime);
    EXPECT_EQ(TimeType(Dt(2020, 3, 29, 3), kSummer, kWinter), kSummerTime);
    EXPECT_EQ(TimeType(Dt(2020, 3, 28, 23), kSummer, kWinter), kWinterTime);
    EXPECT_EQ(TimeType(Dt(2020, 7, 1, 12), kSummer, kWinter), kSummerTime);
    EXPECT_EQ(TimeType(Dt(2020, 10, 25, 3), kSummer, kWinter), kSummerTime);
    EXPECT_EQ(TimeType(Dt(2020, 10, 25, 4), kSummer, kWinter), kWinterTime);
    EXPECT_EQ(TimeType(Dt(2020, 10, 26, 0), kSummer, kWinter), kWinterTime);
    EXPECT_EQ(TimeType(Dt(2020, 7, 1, 12), {0, 0xC9, 3}, kWinter), kWinterTime);
}

TEST(ControllerDateTest, ClockFieldsCarryWeekdayAndTimeType) {
    const std::array<std::uint8_t, 6> rules{3, 0xC9, 3, 10, 0xC9, 4};
    const double sundayAfterChange = DecodeToPc(Dt(2020, 3, 29, 3, 30, 5));
    EXPECT_EQ(ClockFields(sundayAfterChange, rules),
              (std::array<std::uint8_t, 8>{20, 3, 29, 3, 30, 5, 1, kSummerTime}));
    const double wednesday = DecodeToPc(Dt(2020, 1, 1, 8));
    EXPECT_EQ(ClockFields(wednesday, rules),
              (std::array<std::uint8_t, 8>{20, 1, 1, 8, 0, 0, 4, kWinterTime}));
}

}  // namespace
}  // namespace zor06::tables
