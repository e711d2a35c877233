#include "platform/clock.h"

#include <cerrno>
#include <ctime>

namespace zor06::platform {

namespace {

// 1970-01-01 counted in days from 1899-12-30.
constexpr double kUnixEpochAsOleDate = 25569.0;
constexpr double kSecondsPerDay = 86400.0;

class RealClock final : public Clock {
public:
    MonoTime Now() const override { return MonoClock::now(); }

    void SleepUntil(MonoTime deadline) override {
        // steady_clock is CLOCK_MONOTONIC on Linux, so its epoch count is an absolute time for
        // clock_nanosleep; an absolute wake-up does not drift when a signal restarts the sleep.
        const auto ns =
            std::chrono::duration_cast<std::chrono::nanoseconds>(deadline.time_since_epoch())
                .count();
        if (ns <= 0) {
            return;
        }
        const timespec at{static_cast<time_t>(ns / 1'000'000'000),
                          static_cast<long>(ns % 1'000'000'000)};
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
        }
    }

    double LocalDateTime() const override {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        tm local{};
        localtime_r(&now.tv_sec, &local);
        // tm_gmtoff already carries daylight saving for this instant.
        const double localSeconds = static_cast<double>(now.tv_sec + local.tm_gmtoff) +
                                    static_cast<double>(now.tv_nsec) / 1e9;
        return kUnixEpochAsOleDate + localSeconds / kSecondsPerDay;
    }
};

}  // namespace

Clock& SystemClock() {
    static RealClock clock;
    return clock;
}

}  // namespace zor06::platform
