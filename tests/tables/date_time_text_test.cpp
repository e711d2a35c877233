#include "tables/date_time_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zor06::tables {
namespace {

struct Case {
    bytes::ControllerDateTime dt;
    std::string date;
    std::string time;
};

// Bytes are year - 2000, month, day, hour, minute, second; the texts run day first.
const Case kCases[] = {
    {{24, 3, 9, 7, 5, 2}, "09.03.24", "07:05:02"},
    {{0, 1, 1, 0, 0, 0}, "01.01.00", "00:00:00"},
    {{99, 12, 31, 23, 59, 59}, "31.12.99", "23:59:59"},
    // A byte past two digits is printed whole rather than cut.
    {{123, 10, 20, 11, 40, 30}, "20.10.123", "11:40:30"},
};

TEST(DateTimeTextTest, PrintsDayMonthYearAndHourMinuteSecond) {
    for (const Case& c : kCases) {
        EXPECT_EQ(DateText(c.dt), c.date);
        EXPECT_EQ(TimeText(c.dt), c.time);
        EXPECT_EQ(DateTimeText(c.dt), c.date + " " + c.time);
    }
}

}  // namespace
}  // namespace zor06::tables
