#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace zor06::platform {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

TEST(SystemClockTest, SleepUntilWakesAtTheDeadline) {
    Clock& clock = SystemClock();
    const MonoTime deadline = clock.Now() + milliseconds(20);
    clock.SleepUntil(deadline);
    const MonoTime woke = clock.Now();
    EXPECT_GE(woke, deadline);
    EXPECT_LT(woke - deadline, seconds(1));
}

// Runs with a chosen TZ and puts the old one back.
class LocalDateTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* tz = std::getenv("TZ")) {
            saved_ = tz;
        }
    }
    void TearDown() override {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    static void UseZone(const char* tz) {
        setenv("TZ", tz, 1);
        tzset();
    }
    // OLE date of now in UTC, shifted by `hours`.
    static double UtcOleDate(double hours) {
        const double unixSeconds =
            std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch())
                .count();
        return 25569.0 + (unixSeconds + hours * 3600.0) / 86400.0;
    }

    static constexpr double kOneSecond = 1.0 / 86400.0;

private:
    std::optional<std::string> saved_;
};

TEST_F(LocalDateTimeTest, CountsDaysFrom1899InUtc) {
    UseZone("UTC0");
    EXPECT_NEAR(SystemClock().LocalDateTime(), UtcOleDate(0), 2 * kOneSecond);
}

TEST_F(LocalDateTimeTest, FollowsTheLocalZoneOffset) {
    // POSIX TZ offsets are west-positive: "XYZ-3" is three hours ahead of UTC.
    UseZone("XYZ-3");
    EXPECT_NEAR(SystemClock().LocalDateTime(), UtcOleDate(3), 2 * kOneSecond);
    UseZone("ABC+5");
    EXPECT_NEAR(SystemClock().LocalDateTime(), UtcOleDate(-5), 2 * kOneSecond);
}

}  // namespace
}  // namespace zor06::platform
