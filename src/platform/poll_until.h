// Waiting on one descriptor with a monotonic deadline, shared by every channel.
#pragma once

#include "platform/clock.h"

namespace zor06::platform {

// Waits until `fd` reports one of `events` or `until` passes; a past `until` is a single
// non-blocking look. Returns the reported events, 0 on timeout, -1 when poll itself failed.
// Signals do not cut the wait short.
int PollUntil(int fd, short events, MonoTime until);

}  // namespace zor06::platform
