#include "link/stepped_wait.h"

#include <algorithm>

namespace zor06::link {
namespace {

constexpr auto kStep = platform::Millis(50);

}  // namespace

SteppedOutcome RetryInSteps(platform::Clock& clock, platform::MonoTime deadline,
                            const std::function<bool(platform::MonoTime stepEnd)>& attempt,
                            const std::function<bool()>& stop) {
    for (;;) {
        const platform::MonoTime stepEnd = std::min(deadline, clock.Now() + kStep);
        if (attempt(stepEnd)) {
            return SteppedOutcome::kDone;
        }
        // A refused attempt returns at once; the rest of the step keeps retries from spinning.
        clock.SleepUntil(stepEnd);
        if (stop()) {
            return SteppedOutcome::kStopped;
        }
        if (clock.Now() >= deadline) {
            return SteppedOutcome::kTimedOut;
        }
    }
}

bool WaitInSteps(platform::Clock& clock, platform::MonoTime until,
                 const std::function<bool()>& stop) {
    while (clock.Now() < until) {
        clock.SleepUntil(std::min(until, clock.Now() + kStep));
        if (stop()) {
            return false;
        }
    }
    return true;
}

}  // namespace zor06::link
