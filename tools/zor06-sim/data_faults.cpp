#include "zor06-sim/data_faults.h"

#include <charconv>
#include <cstdio>
#include <string>

#include "zor06-sim/wall_time.h"

namespace zor06::sim {
namespace {

constexpr std::string_view kArchiveNames[] = {"min", "hour", "day"};
constexpr std::string_view kSourceNames[] = {"run1", "run2", "moisture"};

template <std::size_t N>
std::optional<int> IndexOf(const std::string_view (&names)[N], std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == text) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<long> ParseInteger(std::string_view text, int base) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "YY-MM-DD" or "YY-MM-DD HH:MM".
std::optional<bytes::ControllerDateTime> ParseSlotDate(std::string_view text) {
    const std::string s(text);
    int y = 0;
    int mo = 0;
    int d = 0;
    int h = 0;
    int mi = 0;
    char tail = 0;
    const int got = std::sscanf(s.c_str(), "%2d-%2d-%2d %2d:%2d%c", &y, &mo, &d, &h, &mi, &tail);
    if ((got != 3 && got != 5) || y < 0 || h < 0 || mi < 0) {
        return std::nullopt;
    }
    const bytes::ControllerDateTime dt{static_cast<std::uint8_t>(y),  static_cast<std::uint8_t>(mo),
                                       static_cast<std::uint8_t>(d),  static_cast<std::uint8_t>(h),
                                       static_cast<std::uint8_t>(mi), 0};
    if (!tables::IsValid(dt)) {
        return std::nullopt;
    }
    return dt;
}

std::int64_t SlotOf(DataArchive archive, const bytes::ControllerDateTime& dt) {
    const WallTime t = ToWallTime(dt);
    switch (archive) {
        case DataArchive::Minute:
            return FloorDiv(t, 180);
        case DataArchive::Hour:
            return FloorDiv(t, kSecondsPerHour);
        case DataArchive::Day:
            return FloorDiv(t, kSecondsPerDay);
    }
    return 0;
}

}  // namespace

bool RecordSelector::Matches(DataArchive a, DataSource s, std::int64_t recordSlot) const {
    if (a != archive || s != source) {
        return false;
    }
    return slot ? *slot == recordSlot : every > 0 && recordSlot % every == 0;
}

std::optional<DataArchive> ParseDataArchive(std::string_view text) {
    const std::optional<int> i = IndexOf(kArchiveNames, text);
    return i ? std::optional(static_cast<DataArchive>(*i)) : std::nullopt;
}

std::optional<RecordSelector> ParseRecordSelector(std::string_view text) {
    const std::size_t first = text.find('/');
    const std::size_t second = text.find('/', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<DataArchive> archive = ParseDataArchive(text.substr(0, first));
    const std::optional<int> source =
        IndexOf(kSourceNames, text.substr(first + 1, second - first - 1));
    const std::string_view when = text.substr(second + 1);
    if (!archive || !source) {
        return std::nullopt;
    }
    RecordSelector selector{*archive, static_cast<DataSource>(*source), std::nullopt, 0};
    if (when.starts_with('*')) {
        const std::optional<long> every = ParseInteger(when.substr(1), 10);
        if (!every || *every < 1) {
            return std::nullopt;
        }
        selector.every = *every;
    } else {
        const std::optional<bytes::ControllerDateTime> date = ParseSlotDate(when);
        if (!date) {
            return std::nullopt;
        }
        selector.slot = SlotOf(*archive, *date);
    }
    return selector;
}

std::optional<RecordStatus> ParseRecordStatus(std::string_view text) {
    const std::size_t eq = text.rfind('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<RecordSelector> where = ParseRecordSelector(text.substr(0, eq));
    std::string_view byte = text.substr(eq + 1);
    const bool hex = byte.starts_with("0x") || byte.starts_with("0X");
    if (hex) {
        byte.remove_prefix(2);
    }
    const std::optional<long> status = ParseInteger(byte, hex ? 16 : 10);
    if (!where || !status || *status < 0 || *status > 255) {
        return std::nullopt;
    }
    return RecordStatus{*where, static_cast<std::uint8_t>(*status)};
}

}  // namespace zor06::sim
