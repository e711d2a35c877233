#include "config/system_editor.h"

namespace zor06::config {
namespace {

constexpr std::uint8_t kWeekdayWay = 0x80;
constexpr std::uint8_t kFromEnd = 0x40;

struct Group {
    int firstMonth;
    int lastMonth;
    int firstHour;
    int lastHour;
};
constexpr Group kSummer{2, 5, 0, 22};
constexpr Group kWinter{9, 12, 1, 23};

// Ordinal list index -> (counted from the end, bits 0..2).
constexpr struct {
    bool fromEnd;
    std::uint8_t n;
} kOrdinals[kOrdinalCount] = {{false, 1}, {false, 2}, {false, 3}, {true, 2}, {true, 1}};

TimeChange FillChange(std::span<const std::uint8_t> bytes) {
    TimeChange c;
    c.month = bytes[0];
    c.day = DecodeDayCode(bytes[1]);
    c.hour = bytes[2];
    return c;
}

bool Complete(const TimeChange& c, const Group& g) {
    if (c.month == 0) {
        return true;
    }
    if (c.month < g.firstMonth || c.month > g.lastMonth || !c.day || !c.hour ||
        *c.hour < g.firstHour || *c.hour > g.lastHour) {
        return false;
    }
    const DayCode& d = *c.day;
    if (d.way == DayWay::DayOfMonth) {
        return d.dayOfMonth >= 1 && d.dayOfMonth <= ChangeMonthDays(c.month);
    }
    return d.ordinal >= 0 && d.ordinal < kOrdinalCount && d.weekday >= 1 && d.weekday <= 7;
}

// A forbidden change keeps the day and hour bytes the controller had.
void StoreChange(const TimeChange& c, std::span<std::uint8_t> bytes) {
    bytes[0] = static_cast<std::uint8_t>(c.month);
    if (c.month != 0) {
        bytes[1] = EncodeDayCode(*c.day);
        bytes[2] = static_cast<std::uint8_t>(*c.hour);
    }
}

}  // namespace

std::optional<DayCode> DecodeDayCode(std::uint8_t code) {
    DayCode d;
    if ((code & kWeekdayWay) == 0) {
        d.dayOfMonth = code;
        return code >= 1 && code <= 31 ? std::optional(d) : std::nullopt;
    }
    d.way = DayWay::WeekdayInMonth;
    d.weekday = (code >> 3) & 0x07;
    const bool fromEnd = (code & kFromEnd) != 0;
    const int n = code & 0x07;
    for (int i = 0; i < kOrdinalCount; ++i) {
        if (kOrdinals[i].fromEnd == fromEnd && kOrdinals[i].n == n) {
            d.ordinal = i;
        }
    }
    if (d.ordinal < 0 || d.weekday < 1 || d.weekday > 7) {
        return std::nullopt;
    }
    return d;
}

std::uint8_t EncodeDayCode(const DayCode& d) {
    if (d.way == DayWay::DayOfMonth) {
        return static_cast<std::uint8_t>(d.dayOfMonth & 0x7F);
    }
    const auto& o = kOrdinals[d.ordinal];
    return static_cast<std::uint8_t>(kWeekdayWay | (o.fromEnd ? kFromEnd : 0) |
                                     ((d.weekday & 0x07) << 3) | o.n);
}

int ChangeMonthDays(int month) {
    switch (month) {
        case 2:
            return 28;
        case 3:
        case 5:
        case 10:
        case 12:
            return 31;
        default:
            return 30;
    }
}

SystemEntries FillSystem(std::span<const std::uint8_t, kSystemBytes> target) {
    SystemEntries e;
    if (target[6] <= 23) {
        e.contractHour = target[6];
    }
    e.moistureMeter = target[8] != 0;
    e.flowComputers = target[9] != 0;
    e.summer = FillChange(target.subspan(0, 3));
    e.winter = FillChange(target.subspan(3, 3));
    return e;
}

Refusal AcceptSystem(const SystemEntries& e, std::span<std::uint8_t, kSystemBytes> target) {
    if (!e.contractHour || *e.contractHour < 0 || *e.contractHour > 23 ||
        !Complete(e.summer, kSummer) || !Complete(e.winter, kWinter)) {
        return Refuse("Введены не все параметры");
    }
    StoreChange(e.summer, target.subspan(0, 3));
    StoreChange(e.winter, target.subspan(3, 3));
    target[6] = static_cast<std::uint8_t>(*e.contractHour);
    target[7] = 1;
    target[8] = e.moistureMeter ? 1 : 0;
    target[9] = e.flowComputers ? 1 : 0;
    return std::nullopt;
}

}  // namespace zor06::config
