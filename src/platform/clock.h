// Monotonic and wall-clock time behind an interface, so that the link's timers can be driven by a
// fake clock in tests.
#pragma once

#include <chrono>

namespace zor06::platform {

using MonoClock = std::chrono::steady_clock;
using MonoTime = MonoClock::time_point;
using Duration = MonoClock::duration;
using Millis = std::chrono::milliseconds;

class Clock {
public:
    virtual ~Clock() = default;
    virtual MonoTime Now() const = 0;
    // Blocks the calling thread until `deadline` has passed (precisely, not to scheduler ticks).
    virtual void SleepUntil(MonoTime deadline) = 0;
    void SleepFor(Duration d) { SleepUntil(Now() + d); }
    // Local wall-clock time as days since 30 December 1899, the time of day as the fraction.
    virtual double LocalDateTime() const = 0;
};

// The process-wide real clock.
Clock& SystemClock();

}  // namespace zor06::platform
