#include "settings/ini_values.h"

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

int RangedReader::Read(std::string_view section, std::string_view key, LinkParameter parameter) {
    const int fallback = RangeOf(parameter).defaultValue;
    const auto text = ini_.Find(section, key);
    const auto number = text ? ParseProfileInt(*text) : std::nullopt;
    if (!number) {
        return fallback;
    }
    if (!Accepts(parameter, *number)) {
        replaced_.push_back({std::string(section), std::string(key), *text, fallback});
        return fallback;
    }
    return *number;
}

}  // namespace zor06::settings
