#include "zor06-sim/wall_time.h"

namespace zor06::sim {
namespace {

// Days from 01.01.2000 of a proleptic Gregorian date, and back (civil-calendar algorithms in
// 400-year eras).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    constexpr std::int64_t kDaysTo2000 = 730425;  // from 01.03.0000
    return era * 146097 + doe - kDaysTo2000;
}

void CivilFromDays(std::int64_t days, std::int64_t& y, int& m, int& d) {
    const std::int64_t z = days + 730425;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

}  // namespace

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

WallTime ToWallTime(const bytes::ControllerDateTime& dt) {
    const std::int64_t days =
        DaysFromCivil(2000 + dt[tables::kYearByte], dt[tables::kMonthByte], dt[tables::kDayByte]);
    return days * kSecondsPerDay + dt[tables::kHourByte] * kSecondsPerHour +
           dt[tables::kMinuteByte] * 60 + dt[tables::kSecondByte];
}

bytes::ControllerDateTime FromWallTime(WallTime t) {
    const std::int64_t days = FloorDiv(t, kSecondsPerDay);
    const std::int64_t second = t - days * kSecondsPerDay;
    std::int64_t y = 0;
    int m = 0;
    int d = 0;
    CivilFromDays(days, y, m, d);
    return {static_cast<std::uint8_t>(y - 2000),
            static_cast<std::uint8_t>(m),
            static_cast<std::uint8_t>(d),
            static_cast<std::uint8_t>(second / kSecondsPerHour),
            static_cast<std::uint8_t>(second / 60 % 60),
            static_cast<std::uint8_t>(second % 60)};
}

bytes::ControllerDateTime MonthsBack(bytes::ControllerDateTime dt, int months) {
    int index = dt[tables::kYearByte] * 12 + dt[tables::kMonthByte] - 1 - months;
    if (index < 0) {
        index = 0;
    }
    dt[tables::kYearByte] = static_cast<std::uint8_t>(index / 12);
    dt[tables::kMonthByte] = static_cast<std::uint8_t>(index % 12 + 1);
    if (dt[tables::kDayByte] > tables::DaysInMonth(2000 + index / 12, index % 12 + 1)) {
        dt[tables::kDayByte] = 1;
        return MonthsBack(dt, -1);
    }
    return dt;
}

}  // namespace zor06::sim
