#include "platform/natural_order.h"

#include <cstddef>

namespace zor06::platform {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitRunEnd(std::string_view s, std::size_t from) {
    while (from < s.size() && IsDigit(s[from])) {
        ++from;
    }
    return from;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

// <0, 0 or >0 comparing two digit runs by value, without overflowing on long runs.
int CompareNumbers(std::string_view a, std::string_view b) {
    a = WithoutLeadingZeros(a);
    b = WithoutLeadingZeros(b);
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b);
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            const std::size_t endA = DigitRunEnd(a, i);
            const std::size_t endB = DigitRunEnd(b, j);
            const int order = CompareNumbers(a.substr(i, endA - i), b.substr(j, endB - j));
            if (order != 0) {
                return order < 0;
            }
            i = endA;
            j = endB;
            continue;
        }
        if (a[i] != b[j]) {
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        }
        ++i;
        ++j;
    }
    if (i == a.size() && j == b.size()) {
        // Equal by value ("ttyS01" and "ttyS1"): fall back to plain order to stay strict-weak.
        return a < b;
    }
    return i == a.size();
}

}  // namespace zor06::platform
