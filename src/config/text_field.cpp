#include "config/text_field.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "text/codepage.h"

namespace zor06::config {
namespace {

bool Padding(char c) {
    return c == ' ' || c == '\0';
}

}  // namespace

std::string TrimmedField(std::span<const std::uint8_t> field) {
    std::string bytes(field.begin(), field.end());
    const auto first = std::ranges::find_if_not(bytes, Padding);
    const auto last = std::find_if_not(bytes.rbegin(), bytes.rend(), Padding).base();
    return first < last ? text::Cp1251ToUtf8(std::string_view(&*first, last - first)) : "";
}

void StoreField(std::string_view utf8, std::span<std::uint8_t> field, std::uint8_t padding) {
    const std::string bytes = text::Utf8ToCp1251(utf8);
    std::ranges::fill(field, padding);
    std::copy_n(bytes.begin(), std::min(bytes.size(), field.size()), field.begin());
}

bool Blank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<long> ParseEntry(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size()) {
        return std::nullopt;
    }
    // A run of digits too long for a number is still far above any range.
    if (ec == std::errc::result_out_of_range) {
        return std::numeric_limits<long>::max();
    }
    return ec == std::errc() ? std::optional<long>(value) : std::nullopt;
}

}  // namespace zor06::config
