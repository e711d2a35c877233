#include "zor06ctl/message_dates.h"

#include <cstdio>
#include <string>

#include "tables/controller_date.h"

namespace zor06::ctl {

std::optional<bytes::ControllerDateTime> ParseMessageDate(std::string_view text) {
    // %d would also take a sign, and a negative hour passes the range checks to wrap in its byte.
    if (text.find_first_not_of("0123456789.: ") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string s(text);
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    int used = 0;
    const int got = std::sscanf(s.c_str(), "%2d.%2d.%4d %2d:%2d%n:%2d%n", &day, &month, &year,
                                &hour, &minute, &used, &second, &used);
    if (got < 5 || static_cast<std::size_t>(used) != s.size()) {
        return std::nullopt;
    }
    const std::size_t yearDigits = s.find(' ') - s.rfind('.', s.find(' ')) - 1;
    if (yearDigits == 4) {
        year -= 2000;
    } else if (yearDigits != 2) {
        return std::nullopt;
    }
    if (year < 0 || year > 255 || month < 1 || month > 12 || day < 1 ||
        day > tables::DaysInMonth(2000 + year, month) || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return bytes::ControllerDateTime{
        static_cast<std::uint8_t>(year),   static_cast<std::uint8_t>(month),
        static_cast<std::uint8_t>(day),    static_cast<std::uint8_t>(hour),
        static_cast<std::uint8_t>(minute), static_cast<std::uint8_t>(second)};
}

}  // namespace zor06::ctl
