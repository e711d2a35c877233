#include "tables/controller_date.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace zor06::tables {
namespace {

constexpr CalendarDate kPcEpoch{1899, 12, 30};
constexpr CalendarDate kWeekdayReference{2002, 1, 6};  // a Sunday
constexpr int kPcEpochToUnixEpochDays = 25569;
constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr int kSecondsPerDay = 86'400;
// 1 January 0001 and 31 December 9999: keeps a wild PC value inside what the calendar handles.
constexpr double kFirstPcDay = -693593.0;
constexpr double kLastPcDay = 2958465.0;

int FullYear(const bytes::ControllerDateTime& dt) {
    return 2000 + dt[kYearByte];
}

int MonthLength(const bytes::ControllerDateTime& dt) {
    return DaysInMonth(FullYear(dt), dt[kMonthByte]);
}

void Set(bytes::ControllerDateTime& dt, int index, int value) {
    dt[index] = static_cast<std::uint8_t>(value);
}

int DaysInYear(int year) {
    return IsLeapYear(year) ? 366 : 365;
}

void CarryMonthIntoYear(bytes::ControllerDateTime& dt) {
    if (dt[kMonthByte] > 12) {
        dt[kMonthByte] = 1;
        Set(dt, kYearByte, dt[kYearByte] + 1);
    }
}

// After the day or the month went up: a day the month lacks opens the next month.
void CarryForward(bytes::ControllerDateTime& dt) {
    CarryMonthIntoYear(dt);
    if (dt[kDayByte] > MonthLength(dt)) {
        dt[kDayByte] = 1;
        Set(dt, kMonthByte, dt[kMonthByte] + 1);
        CarryMonthIntoYear(dt);
    }
}

void MonthBack(bytes::ControllerDateTime& dt) {
    if (dt[kMonthByte] <= 1) {
        dt[kMonthByte] = 12;
        Set(dt, kYearByte, dt[kYearByte] - 1);
    } else {
        Set(dt, kMonthByte, dt[kMonthByte] - 1);
    }
}

void DayForward(bytes::ControllerDateTime& dt) {
    Set(dt, kDayByte, dt[kDayByte] + 1);
    CarryForward(dt);
}

void DayBack(bytes::ControllerDateTime& dt) {
    if (dt[kDayByte] <= 1) {
        MonthBack(dt);
        Set(dt, kDayByte, MonthLength(dt));
    } else {
        Set(dt, kDayByte, dt[kDayByte] - 1);
    }
}

int ComparePrefix(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b,
                  int count) {
    for (int i = 0; i < count; ++i) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

struct PcMoment {
    CalendarDate date;
    int secondOfDay;
};

PcMoment SplitPc(double pcDateTime) {
    const double pc =
        std::isfinite(pcDateTime) ? std::clamp(pcDateTime, kFirstPcDay, kLastPcDay) : 0.0;
    // Rounding to the millisecond first keeps a value just below a whole second (as DecodeToPc
    // gives) on that second.
    const std::int64_t ms = std::llround(pc * kMsPerDay);
    std::int64_t day = ms / kMsPerDay;
    std::int64_t msOfDay = ms % kMsPerDay;
    if (msOfDay < 0) {
        msOfDay += kMsPerDay;
        --day;
    }
    using namespace std::chrono;
    const year_month_day ymd{sys_days{days{day - kPcEpochToUnixEpochDays}}};
    return {{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
             static_cast<int>(static_cast<unsigned>(ymd.day()))},
            static_cast<int>(msOfDay / 1000)};
}

}  // namespace

CalendarDate DateOf(const bytes::ControllerDateTime& dt) {
    return {FullYear(dt), dt[kMonthByte], dt[kDayByte]};
}

CalendarDate PcDateOf(double pcDateTime) {
    return SplitPc(pcDateTime).date;
}

bytes::ControllerDateTime EncodeNow(double pcDateTime) {
    const PcMoment m = SplitPc(pcDateTime);
    bytes::ControllerDateTime dt{};
    // Year + 48 has year - 2000 as its low byte.
    Set(dt, kYearByte, (m.date.year + 48) & 0xFF);
    Set(dt, kMonthByte, m.date.month);
    Set(dt, kDayByte, m.date.day);
    Set(dt, kHourByte, m.secondOfDay / 3600);
    Set(dt, kMinuteByte, m.secondOfDay / 60 % 60);
    Set(dt, kSecondByte, m.secondOfDay % 60);
    return dt;
}

double DecodeToPc(const bytes::ControllerDateTime& dt) {
    const int seconds = dt[kHourByte] * 3600 + dt[kMinuteByte] * 60 + dt[kSecondByte];
    return DaysBetween(kPcEpoch, DateOf(dt)) + static_cast<double>(seconds) / kSecondsPerDay;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

int DayOfYear(int year, int month, int day) {
    int before = 0;
    for (int m = 1; m < month && m <= 12; ++m) {
        before += DaysInMonth(year, m);
    }
    return before + day;
}

int DaysBetween(CalendarDate a, CalendarDate b) {
    if (b < a) {
        return -DaysBetween(b, a);
    }
    const int dayA = DayOfYear(a.year, a.month, a.day);
    const int dayB = DayOfYear(b.year, b.month, b.day);
    if (a.year == b.year) {
        return dayB - dayA;
    }
    int days = DaysInYear(a.year) - dayA + dayB;
    for (int year = a.year + 1; year < b.year; ++year) {
        days += DaysInYear(year);
    }
    return days;
}

int DayOfWeek(int year, int month, int day) {
    const int days = DaysBetween(kWeekdayReference, {year, month, day});
    return (days % 7 + 7) % 7 + 1;
}

bool IsValid(const bytes::ControllerDateTime& dt) {
    const int month = dt[kMonthByte];
    if (month < 1 || month > 12) {
        return false;
    }
    return dt[kDayByte] >= 1 && dt[kDayByte] <= MonthLength(dt) && dt[kHourByte] <= 23 &&
           dt[kMinuteByte] <= 59 && dt[kSecondByte] <= 59;
}

int Compare6(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b) {
    return ComparePrefix(a, b, 6);
}

int Compare5(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b) {
    return ComparePrefix(a, b, 5);
}

int CompareTo(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b,
              int precision) {
    const int count = precision >= kPrecisionMonth ? 2 : precision == kPrecisionDay ? 3 : 4;
    return ComparePrefix(a, b, count);
}

bytes::ControllerDateTime StepForward(bytes::ControllerDateTime dt, int unit) {
    if (unit == kStepHour) {
        if (dt[kHourByte] >= 23) {
            dt[kHourByte] = 0;
            DayForward(dt);
        } else {
            Set(dt, kHourByte, dt[kHourByte] + 1);
        }
    } else if (unit == kStepDay) {
        DayForward(dt);
    } else {
        Set(dt, kMonthByte, dt[kMonthByte] + 1);
        CarryForward(dt);
    }
    return dt;
}

bytes::ControllerDateTime StepBack(bytes::ControllerDateTime dt, int unit) {
    if (unit == kStepHour) {
        if (dt[kHourByte] == 0) {
            dt[kHourByte] = 23;
            DayBack(dt);
        } else {
            Set(dt, kHourByte, dt[kHourByte] - 1);
        }
    } else if (unit == kStepDay) {
        DayBack(dt);
    } else {
        MonthBack(dt);
        CarryForward(dt);
    }
    return dt;
}

bytes::ControllerDateTime StepThreeMinutes(bytes::ControllerDateTime dt, int unit) {
    if (unit != kStepThreeMinutes) {
        return StepForward(dt, unit);
    }
    const int minute = dt[kMinuteByte] + 3;
    if (minute < 60) {
        Set(dt, kMinuteByte, minute);
        return dt;
    }
    Set(dt, kMinuteByte, minute - 60);
    return StepForward(dt, kStepHour);
}

int TransitionDay(std::uint8_t yearByte, int month, std::uint8_t dayCode) {
    if (month < 1 || month > 12) {
        return 0;
    }
    const int year = 2000 + yearByte;
    if ((dayCode & 0x80) == 0) {
        return DayOfYear(year, month, dayCode);
    }
    const int weekday = (dayCode >> 3) & 0x07;
    const int ordinal = dayCode & 0x03;
    if ((dayCode & 0x40) == 0) {
        int back = DayOfWeek(year, month, 1) - weekday;
        if (back <= 0) {
            back += 7;
        }
        return DayOfYear(year, month, 1) - back + 7 * ordinal;
    }
    const int last = DaysInMonth(year, month);
    int ahead = weekday - DayOfWeek(year, month, last);
    if (ahead <= 0) {
        ahead += 7;
    }
    return DayOfYear(year, month, last) + ahead - 7 * ordinal;
}

std::uint8_t TimeType(const bytes::ControllerDateTime& dt, TransitionRule summer,
                      TransitionRule winter) {
    const auto hasMonth = [](const TransitionRule& rule) {
        return rule.month >= 1 && rule.month <= 12;
    };
    if (!hasMonth(summer) || !hasMonth(winter)) {
        return kWinterTime;
    }
    const int s = TransitionDay(dt[kYearByte], summer.month, summer.dayCode);
    const int w = TransitionDay(dt[kYearByte], winter.month, winter.dayCode);
    const int d = DayOfYear(FullYear(dt), dt[kMonthByte], dt[kDayByte]);
    const int hour = dt[kHourByte];
    bool winterTime = false;
    if (d < s || d > w) {
        winterTime = true;
    } else if (d == s) {
        winterTime = hour < summer.hour;
    } else if (d == w) {
        winterTime = hour >= winter.hour;
    }
    return winterTime ? kWinterTime : kSummerTime;
}

std::array<std::uint8_t, 8> ClockFields(double pcLocal, std::span<const std::uint8_t, 6> rules) {
    const bytes::ControllerDateTime dt = EncodeNow(pcLocal);
    std::array<std::uint8_t, 8> fields{};
    std::copy(dt.begin(), dt.end(), fields.begin());
    fields[6] = static_cast<std::uint8_t>(DayOfWeek(FullYear(dt), dt[kMonthByte], dt[kDayByte]));
    fields[7] = TimeType(dt, {rules[0], rules[1], rules[2]}, {rules[3], rules[4], rules[5]});
    return fields;
}

}  // namespace zor06::tables
