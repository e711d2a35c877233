#include "settings/ini_values.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace zor06::settings {

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value);
}

IniEntry NumberEntry(std::string_view key, long long value) {
    return {std::string(key), std::to_string(value)};
}

IniEntry FlagEntry(std::string_view key, bool value) {
    return {std::string(key), value ? "1" : "0"};
}

std::string DecimalText(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), result.ptr};
}

int RangedReader::Read(std::string_view section, std::string_view key, LinkParameter parameter) {
    const int fallback = RangeOf(parameter).defaultValue;
    return ReadChecked(section, key, fallback,
                       [parameter](long long v) { return Accepts(parameter, v); });
}

int RangedReader::Read(std::string_view section, std::string_view key, int min, int max,
                       int fallback) {
    return ReadChecked(section, key, fallback,
                       [min, max](long long v) { return v >= min && v <= max; });
}

int RangedReader::ReadOneOf(std::string_view section, std::string_view key,
                            std::span<const int> allowed, int fallback) {
    return ReadChecked(section, key, fallback, [allowed](long long v) {
        return std::find(allowed.begin(), allowed.end(), v) != allowed.end();
    });
}

int RangedReader::ReadChecked(std::string_view section, std::string_view key, int fallback,
                              const std::function<bool(long long)>& accepts) {
    const auto text = ini_.Find(section, key);
    const auto number = text ? ParseProfileInt(*text) : std::nullopt;
    if (!number) {
        return fallback;
    }
    if (!accepts(*number)) {
        replaced_.push_back(
            {std::string(section), std::string(key), *text, std::to_string(fallback)});
        return fallback;
    }
    return static_cast<int>(*number);
}

double RangedReader::ReadDecimal(std::string_view section, std::string_view key, double min,
                                 double max, double fallback) {
    const auto text = ini_.Find(section, key);
    const auto number = text ? ParseProfileDecimal(*text) : std::nullopt;
    if (!number) {
        return fallback;
    }
    if (!(*number >= min && *number <= max)) {
        replaced_.push_back({std::string(section), std::string(key), *text, DecimalText(fallback)});
        return fallback;
    }
    return *number;
}

}  // namespace zor06::settings
