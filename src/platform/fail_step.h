// The common ending of a failed system call while a descriptor is being set up: say which step
// failed and why, and close what was opened so far.
#pragma once

#include <string>

namespace zor06::platform {

// Sets `error` (when given) to "step: reason" from errno and closes `fd` when it is open.
void FailStep(int fd, const char* step, std::string* error);

}  // namespace zor06::platform
