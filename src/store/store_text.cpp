#include "store/store_text.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::store {
namespace {

constexpr std::string_view kTimestampShape = "DDDD-DD-DD DD:DD:DD";

int Number(std::string_view text, std::size_t at, std::size_t digits) {
    int value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

bool IsTimestamp(std::string_view text) {
    if (text.size() != kTimestampShape.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kTimestampShape[i] == 'D' ? !digit : text[i] != kTimestampShape[i]) {
            return false;
        }
    }
    const std::chrono::year_month_day date{std::chrono::year{Number(text, 0, 4)},
                                           std::chrono::month(Number(text, 5, 2)),
                                           std::chrono::day(Number(text, 8, 2))};
    return date.ok() && Number(text, 11, 2) < 24 && Number(text, 14, 2) < 60 &&
           Number(text, 17, 2) < 60;
}

std::string NowTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::optional<std::string> JoinCells(std::span<const std::string> cells) {
    std::string joined;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].find('\t') != std::string::npos) {
            return std::nullopt;
        }
        if (i > 0) {
            joined += '\t';
        }
        joined += cells[i];
    }
    return joined;
}

std::vector<std::string> SplitCells(std::string_view joined) {
    std::vector<std::string> cells;
    if (joined.empty()) {
        return cells;
    }
    for (;;) {
        const std::size_t tab = joined.find('\t');
        cells.emplace_back(joined.substr(0, tab));
        if (tab == std::string_view::npos) {
            return cells;
        }
        joined.remove_prefix(tab + 1);
    }
}

}  // namespace zor06::store
