#include "zor06-sim/slave_hold.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace zor06::sim {

SlaveHold::~SlaveHold() {
    if (watch_ >= 0) {
        close(watch_);
    }
    if (slave_ >= 0) {
        close(slave_);
    }
}

bool SlaveHold::Open(const std::string& slavePath, std::string* error) {
    slave_ = open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        *error = slavePath + ": " + std::strerror(errno);
        return false;
    }
    // Without a watch the flag is still dropped whenever a client sends something.
    watch_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watch_ >= 0 && inotify_add_watch(watch_, slavePath.c_str(), IN_CLOSE) < 0) {
        close(watch_);
        watch_ = -1;
    }
    return true;
}

void SlaveHold::ClientClosed() {
    std::array<char, 1024> events{};
    while (read(watch_, events.data(), events.size()) > 0) {
    }
    AllowNextClient();
}

void SlaveHold::AllowNextClient() {
    ioctl(slave_, TIOCNXCL);
}

}  // namespace zor06::sim
