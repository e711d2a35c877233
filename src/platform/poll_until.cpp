#include "platform/poll_until.h"

#include <poll.h>

#include <cerrno>
#include <ctime>

namespace zor06::platform {

namespace {

timespec Remaining(MonoTime until) {
    const Duration left = until - MonoClock::now();
    if (left <= Duration::zero()) {
        return timespec{0, 0};
    }
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace

int PollUntil(int fd, short events, MonoTime until) {
    for (;;) {
        pollfd pfd{fd, events, 0};
        // ppoll takes nanoseconds, so a deadline is neither rounded to milliseconds nor missed.
        const timespec timeout = Remaining(until);
        const int rc = ppoll(&pfd, 1, &timeout, nullptr);
        if (rc > 0) {
            return pfd.revents;
        }
        if (rc < 0 && errno != EINTR) {
            return -1;
        }
        if (rc == 0 && MonoClock::now() >= until) {
            return 0;
        }
    }
}

}  // namespace zor06::platform
