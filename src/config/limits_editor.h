// Tables 22..26: the five thresholds of every gas parameter (insensitivity zone, lower and upper
// warning setpoints, lower and upper limits of values written to the flow computers).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/distribution_editors.h"
#include "config/editor.h"

namespace zor06::config {

inline constexpr int kLimitKinds = 5;
inline constexpr std::size_t kLimitBytes = kGasParameterCount * 4;

struct LimitRange {
    float min = 0;
    float max = 0;
    float defaultValue = 0;  // what a new configuration holds
    int decimals = 0;
    std::string_view unit;
};

// The table of kind 0..4 (22 + kind).
inline int LimitTable(int kind) {
    return 22 + kind;
}
std::string_view LimitMenuItem(int kind);
std::string_view LimitCaption(int kind);
const LimitRange& LimitRangeOf(int kind, int parameter);

// The value in fixed notation with `decimals` digits after the point.
std::string FixedText(double value, int decimals);
// " %s - %s" of the range, or "Не используется" for parameters 15 and 16.
std::string RangeText(int kind, int parameter);

// Whether typing `c` at `position` of `text` keeps a number the entry can still become: digits,
// one 'e' at the end, one decimal point before any 'e', a sign at the start or right after the
// 'e', two exponent digits at most, eight characters at most. ',' counts as '.'.
bool AcceptsNumberChar(std::string_view text, std::size_t position, char c);

// The texts of the twenty value edits; those of parameters 15 and 16 are ignored.
using LimitTexts = std::array<std::string, kGasParameterCount>;
LimitTexts FillLimits(int kind, std::span<const std::uint8_t, kLimitBytes> target);

// Every used value must be given and lie in its range (a hundred-thousandth of tolerance); then
// all are stored. Fields 15 and 16 keep what they held.
Refusal AcceptLimits(int kind, const LimitTexts& texts,
                     std::span<std::uint8_t, kLimitBytes> target);

}  // namespace zor06::config
