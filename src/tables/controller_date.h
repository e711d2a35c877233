// The controller's compact date-time and the calendar arithmetic on it: conversion to and from the
// PC's date-time, stepping over the archive units, and the summer/winter time rule of table 6.
// Everything here is a pure function of its arguments.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <span>

#include "bytes/controller_date_time.h"

namespace zor06::tables {

// The bytes of a bytes::ControllerDateTime.
constexpr int kYearByte = 0;
constexpr int kMonthByte = 1;
constexpr int kDayByte = 2;
constexpr int kHourByte = 3;
constexpr int kMinuteByte = 4;
constexpr int kSecondByte = 5;

// A date with the full year, for arithmetic that reaches outside the controller's years (the PC
// epoch, 30 December 1899).
struct CalendarDate {
    int year;
    int month;
    int day;
    auto operator<=>(const CalendarDate&) const = default;
};

CalendarDate DateOf(const bytes::ControllerDateTime& dt);

// PC date-time: days since 30 December 1899, the time of day as the fraction.
bytes::ControllerDateTime EncodeNow(double pcDateTime);
// Its calendar date, also before 2000 and after 2255, which the controller's year byte cannot hold.
CalendarDate PcDateOf(double pcDateTime);
double DecodeToPc(const bytes::ControllerDateTime& dt);

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
int DayOfYear(int year, int month, int day);
// Days from a to b; negative when b is earlier.
int DaysBetween(CalendarDate a, CalendarDate b);
// 1 Sunday, 2 Monday ... 7 Saturday.
int DayOfWeek(int year, int month, int day);

bool IsValid(const bytes::ControllerDateTime& dt);

// -1, 0 or 1 as a is earlier than, equal to or later than b.
int Compare6(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b);
int Compare5(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b);

constexpr int kPrecisionHour = 0;   // year, month, day, hour
constexpr int kPrecisionDay = 1;    // year, month, day
constexpr int kPrecisionMonth = 2;  // year, month
int CompareTo(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b,
              int precision);

// Stepping units; the values are the archive kinds (3-minute, hourly, daily) plus the month.
constexpr int kStepHour = 0;
constexpr int kStepDay = 1;
constexpr int kStepMonth = 2;
constexpr int kStepThreeMinutes = 3;

// A day that the target month lacks becomes the 1st of the month after it, so the result of a
// valid date is valid. Units other than hour and day step a month.
bytes::ControllerDateTime StepForward(bytes::ControllerDateTime dt, int unit);
bytes::ControllerDateTime StepBack(bytes::ControllerDateTime dt, int unit);
// kStepThreeMinutes adds 3 minutes; any other unit steps as StepForward.
bytes::ControllerDateTime StepThreeMinutes(bytes::ControllerDateTime dt, int unit);

// The day code of table 6: bit 7 clear, a day of the month; bit 7 set, the n-th (bits 0..1)
// weekday (bits 3..5, 1 Sunday) counted from the start of the month, or from its end with bit 6.
// The result is a day of the year; 0 for a month outside 1..12.
int TransitionDay(std::uint8_t yearByte, int month, std::uint8_t dayCode);

struct TransitionRule {
    std::uint8_t month;  // 0: no change of time
    std::uint8_t dayCode;
    std::uint8_t hour;
};

constexpr std::uint8_t kSummerTime = 0;
constexpr std::uint8_t kWinterTime = 128;

// Without a month of change in either rule the controller keeps winter time all year.
std::uint8_t TimeType(const bytes::ControllerDateTime& dt, TransitionRule summer,
                      TransitionRule winter);

// Fields 0..7 of table 2 (controller clock) for a PC local date-time, with the summer/winter rules
// of bytes 0..5 of table 6.
std::array<std::uint8_t, 8> ClockFields(double pcLocal, std::span<const std::uint8_t, 6> rules);

}  // namespace zor06::tables
