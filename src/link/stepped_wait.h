// Waiting and connecting in short steps, so that whoever waits can let its interface run and
// notice a request to stop between two steps, however long the whole wait is.
#pragma once

#include <functional>

#include "platform/clock.h"

namespace zor06::link {

enum class SteppedOutcome { kDone, kStopped, kTimedOut };

// Calls `attempt` with the end of each step until it succeeds or `deadline` has passed; `stop`
// runs between two steps and ends the whole wait when it returns true.
SteppedOutcome RetryInSteps(platform::Clock& clock, platform::MonoTime deadline,
                            const std::function<bool(platform::MonoTime stepEnd)>& attempt,
                            const std::function<bool()>& stop);

// Waits until `until`; false when `stop` ended the wait first.
bool WaitInSteps(platform::Clock& clock, platform::MonoTime until,
                 const std::function<bool()>& stop);

}  // namespace zor06::link
