#include "zor06ctl/hex.h"

#include <charconv>
#include <cstdio>

namespace zor06::ctl {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::string ToHex(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", b);
        if (!out.empty()) {
            out += ' ';
        }
        out += digits;
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> ParseHex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (char c : text) {
        if (c == ' ' || c == ':' || c == '-') {
            if (high >= 0) {
                return std::nullopt;  // a separator inside a byte
            }
            continue;
        }
        const int digit = HexDigit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    if (high >= 0) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<int> ParseInt(std::string_view text, int min, int max) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

}  // namespace zor06::ctl
