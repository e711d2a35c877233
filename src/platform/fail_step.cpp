#include "platform/fail_step.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace zor06::platform {

void FailStep(int fd, const char* step, std::string* error) {
    // Taken before close(), which may change errno.
    const int reason = errno;
    if (error != nullptr) {
        *error = std::string(step) + ": " + std::strerror(reason);
    }
    if (fd >= 0) {
        close(fd);
    }
}

}  // namespace zor06::platform
