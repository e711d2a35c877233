// Value forms shared by the settings readers and writers: integers in their ranges, integers kept
// to their low byte, and the entries written for numbers and flags.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"
#include "settings/link_ranges.h"

namespace zor06::settings {

// Integers read into one-byte fields keep their low byte.
std::uint8_t LowByte(int value);

IniEntry NumberEntry(std::string_view key, long long value);
IniEntry FlagEntry(std::string_view key, bool value);
// The shortest text that reads back as `value` ("0.05").
std::string DecimalText(double value);

// A value kept by the reader because the one in the file was outside its range.
struct ReplacedValue {
    std::string section;
    std::string key;
    std::string fileValue;
    std::string value;  // the default taken instead, as the file would hold it
};

// Reads the integers of one settings file: a missing value or one that is not a number gives the
// parameter's default, as the file form says; one outside the parameter's range gives the default
// too and is noted, so that the operator can be told.
class RangedReader {
public:
    explicit RangedReader(const IniFile& ini) : ini_(ini) {}
    int Read(std::string_view section, std::string_view key, LinkParameter parameter);
    // The same for a value of `min`..`max` whose default is `fallback`.
    int Read(std::string_view section, std::string_view key, int min, int max, int fallback);
    // The same for a value that must be one of `allowed`.
    int ReadOneOf(std::string_view section, std::string_view key, std::span<const int> allowed,
                  int fallback);
    // A decimal number of `min`..`max`; a value that is not such a number gives the default.
    double ReadDecimal(std::string_view section, std::string_view key, double min, double max,
                       double fallback);
    const IniFile& Ini() const { return ini_; }
    const std::vector<ReplacedValue>& Replaced() const { return replaced_; }

private:
    int ReadChecked(std::string_view section, std::string_view key, int fallback,
                    const std::function<bool(long long)>& accepts);
    const IniFile& ini_;
    std::vector<ReplacedValue> replaced_;
};

}  // namespace zor06::settings
