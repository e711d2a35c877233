// A clock that only moves when someone waits on it, so timeouts run instantly and exactly.
#pragma once

#include "platform/clock.h"

namespace zor06::test {

class FakeClock : public platform::Clock {
public:
    platform::MonoTime Now() const override { return now_; }
    void SleepUntil(platform::MonoTime deadline) override {
        if (deadline > now_) {
            now_ = deadline;
        }
    }
    double LocalDateTime() const override { return 46000.5; }
    void Advance(platform::Duration d) { now_ += d; }
    // Time passed since the clock was made.
    platform::Duration Elapsed() const { return now_ - platform::MonoTime{}; }

private:
    platform::MonoTime now_{};
};

}  // namespace zor06::test
