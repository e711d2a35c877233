// The dates typed after --from and --to.
#include "zor06ctl/message_dates.h"

#include <gtest/gtest.h>

namespace zor06::ctl {
namespace {

TEST(MessageDateTest, TakesTheDayMonthYearAndTimeOfAnExistingMoment) {
    const struct {
        const char* text;
        bytes::ControllerDateTime date;
    } cases[] = {
        {"05.03.24 12:07:09", {24, 3, 5, 12, 7, 9}},
        {"05.03.24 12:07", {24, 3, 5, 12, 7, 0}},
        {"29.02.2024 00:00:00", {24, 2, 29, 0, 0, 0}},
        {"5.3.24 9:05", {24, 3, 5, 9, 5, 0}},
        {"31.12.2255 23:59:59", {255, 12, 31, 23, 59, 59}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseMessageDate(c.text), c.date) << c.text;
    }
}

TEST(MessageDateTest, RefusesWhatIsNoMoment) {
    for (const char* text :
         {"", "05.03.24", "05.03.2024T12:00", "29.02.23 00:00", "05.13.24 00:00", "05.03.24 24:00",
          "05.03.24 12:60", "05.03.24 12:00:60", "05.03.1999 12:00", "05.03.2256 12:00",
          "05.03.024 12:00", "05.03.24 12:00 ", "05.03.24\t12:00",
          // A sign would pass the range checks and wrap into the byte.
          "05.03.24 -4:00:00", "05.03.24 12:-1", "05.03.24 12:00:-5", "+5.03.24 12:00",
          "05.03.24 -0:00"}) {
        EXPECT_FALSE(ParseMessageDate(text)) << text;
    }
}

}  // namespace
}  // namespace zor06::ctl
