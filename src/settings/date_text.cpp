#include "settings/date_text.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace zor06::settings {
namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr sys_days kDayZero = std::chrono::December / 30 / 1899;
constexpr long long kSecondsPerDay = 86400;

// Reads 1..maxDigits digits at *pos; none when there is no digit there.
std::optional<int> Number(std::string_view text, std::size_t* pos, std::size_t maxDigits) {
    int value = 0;
    std::size_t digits = 0;
    while (*pos < text.size() && digits < maxDigits && text[*pos] >= '0' && text[*pos] <= '9') {
        value = value * 10 + (text[*pos] - '0');
        ++*pos;
        ++digits;
    }
    return digits == 0 ? std::nullopt : std::optional<int>(value);
}

bool Skip(std::string_view text, std::size_t* pos, char c) {
    if (*pos < text.size() && text[*pos] == c) {
        ++*pos;
        return true;
    }
    return false;
}

void SkipBlanks(std::string_view text, std::size_t* pos) {
    while (Skip(text, pos, ' ')) {
    }
}

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "H:mm[:ss]" at *pos, or midnight when the text ends there.
std::optional<TimeOfDay> ReadTime(std::string_view text, std::size_t* pos) {
    TimeOfDay time;
    if (*pos == text.size()) {
        return time;
    }
    const auto hour = Number(text, pos, 2);
    if (!hour || !Skip(text, pos, ':')) {
        return std::nullopt;
    }
    const auto minute = Number(text, pos, 2);
    if (!minute) {
        return std::nullopt;
    }
    std::optional<int> second = 0;
    if (Skip(text, pos, ':')) {
        second = Number(text, pos, 2);
    }
    if (!second || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    return TimeOfDay{*hour, *minute, *second};
}

}  // namespace

std::string FormatDateTime(double value) {
    const auto total = std::llround(value * static_cast<double>(kSecondsPerDay));
    const auto dayCount = total >= 0 ? total / kSecondsPerDay : (total + 1) / kSecondsPerDay - 1;
    const auto secondOfDay = total - dayCount * kSecondsPerDay;
    const std::chrono::year_month_day date{kDayZero + days(dayCount)};
    char text[64];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d %02lld:%02lld:%02lld",
                  static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                  static_cast<int>(date.year()), secondOfDay / 3600, secondOfDay / 60 % 60,
                  secondOfDay % 60);
    return text;
}

std::optional<double> ParseDateTime(std::string_view text) {
    std::size_t pos = 0;
    SkipBlanks(text, &pos);
    const auto day = Number(text, &pos, 2);
    const auto month = day && Skip(text, &pos, '.') ? Number(text, &pos, 2) : std::nullopt;
    const std::size_t yearStart = pos + 1;
    const auto year = month && Skip(text, &pos, '.') ? Number(text, &pos, 4) : std::nullopt;
    if (!year || pos - yearStart != 4) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(*year),
                                           std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    SkipBlanks(text, &pos);
    const auto time = ReadTime(text, &pos);
    SkipBlanks(text, &pos);
    if (!date.ok() || !time || pos != text.size()) {
        return std::nullopt;
    }
    const auto dayCount = (sys_days(date) - kDayZero).count();
    const long long seconds = time->hour * 3600LL + time->minute * 60LL + time->second;
    return static_cast<double>(dayCount) +
           static_cast<double>(seconds) / static_cast<double>(kSecondsPerDay);
}

bool InControllerYears(double value) {
    constexpr auto kFirst = std::chrono::January / 1 / 2000;
    constexpr auto kAfterLast = std::chrono::January / 1 / 2256;
    return value >= static_cast<double>((sys_days(kFirst) - kDayZero).count()) &&
           value < static_cast<double>((sys_days(kAfterLast) - kDayZero).count());
}

}  // namespace zor06::settings
