// Table 6 bytes 0..9: the summer and winter changes of time, the contract hour and which devices
// are connected. Bytes 10 and 11 (clock synchronisation) have an editor of their own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "config/editor.h"

namespace zor06::config {

inline constexpr std::size_t kSystemBytes = 12;

// How a day of change is given.
enum class DayWay { DayOfMonth = 0, WeekdayInMonth = 1 };

// The ordinals of "День недели в месяце", in list order: "Первый", "Второй", "Третий",
// "Предпоследний", "Последний".
inline constexpr int kOrdinalCount = 5;

struct DayCode {
    DayWay way = DayWay::DayOfMonth;
    int dayOfMonth = 0;  // 1..31 with DayOfMonth
    int ordinal = -1;    // 0..4 with WeekdayInMonth, see kOrdinalCount
    int weekday = 0;     // 1 Sunday .. 7 Saturday with WeekdayInMonth
};

// None for a byte that no choice of the screen gives.
std::optional<DayCode> DecodeDayCode(std::uint8_t code);
std::uint8_t EncodeDayCode(const DayCode& day);

// The day-of-month list's length for a month: 28 for February, 31 for March, May, October and
// December, 30 otherwise.
int ChangeMonthDays(int month);

struct TimeChange {
    int month = 0;  // 0: "Переход запрещен"
    std::optional<DayCode> day;
    std::optional<int> hour;
};

struct SystemEntries {
    std::optional<int> contractHour;  // 0..23
    bool moistureMeter = false;
    bool flowComputers = false;
    TimeChange summer;  // months 2..5, hours 0..22
    TimeChange winter;  // months 9..12, hours 1..23
};

SystemEntries FillSystem(std::span<const std::uint8_t, kSystemBytes> target);

// Stores bytes 0..9 when the contract hour is chosen and each allowed change of time is given
// completely: a real month of its group, a day the month has, an hour of its group.
Refusal AcceptSystem(const SystemEntries& entries, std::span<std::uint8_t, kSystemBytes> target);

}  // namespace zor06::config
