#include "collect/timestamps.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace zor06::collect {

bool IsValidDateTime(const bytes::ControllerDateTime& d) {
    const std::chrono::year_month_day day{std::chrono::year(2000 + d[0]), std::chrono::month(d[1]),
                                          std::chrono::day(d[2])};
    return day.ok() && d[3] < 24 && d[4] < 60 && d[5] < 60;
}

store::Timestamp TimestampOf(const bytes::ControllerDateTime& d) {
    if (!IsValidDateTime(d)) {
        return {};
    }
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d:%02d", 2000 + d[0], d[1],
                  d[2], d[3], d[4], d[5]);
    return text.data();
}

std::optional<bytes::ControllerDateTime> DateOfTimestamp(std::string_view text) {
    // Digits at these places, the separators between them.
    constexpr std::array<std::size_t, 6> kStart{0, 5, 8, 11, 14, 17};
    constexpr std::array<std::size_t, 6> kWidth{4, 2, 2, 2, 2, 2};
    constexpr std::array<int, 6> kMaximum{2255, 12, 31, 23, 59, 59};
    constexpr std::string_view kSeparators = "-- ::";
    if (text.size() != 19) {
        return std::nullopt;
    }
    bytes::ControllerDateTime date{};
    for (std::size_t i = 0; i < kStart.size(); ++i) {
        if (i > 0 && text[kStart[i] - 1] != kSeparators[i - 1]) {
            return std::nullopt;
        }
        int value = 0;
        for (std::size_t j = 0; j < kWidth[i]; ++j) {
            const char c = text[kStart[i] + j];
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + (c - '0');
        }
        if (i == 0) {
            value -= 2000;
        }
        if (value < 0 || value > kMaximum[i] - (i == 0 ? 2000 : 0)) {
            return std::nullopt;
        }
        date[i] = static_cast<std::uint8_t>(value);
    }
    if (!IsValidDateTime(date)) {
        return std::nullopt;
    }
    return date;
}

}  // namespace zor06::collect
