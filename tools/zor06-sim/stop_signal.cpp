#include "zor06-sim/stop_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace zor06::sim {
namespace {

// Atomic, since several serving threads read it; lock-free, so that the handler may set it.
std::atomic<bool> stopRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);
int wakeRead = -1;
int wakeWrite = -1;

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    stopRequested = true;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(wakeWrite, &byte, 1);
    errno = saved;
}

}  // namespace

bool InstallStopHandlers(std::string* error) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        *error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    wakeRead = fds[0];
    wakeWrite = fds[1];
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    if (sigaction(SIGTERM, &action, nullptr) != 0 || sigaction(SIGINT, &action, nullptr) != 0) {
        *error = std::string("sigaction: ") + std::strerror(errno);
        return false;
    }
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int StopDescriptor() {
    return wakeRead;
}

bool StopRequested() {
    return stopRequested;
}

void RequestStop() {
    OnStopSignal(SIGTERM);
}

}  // namespace zor06::sim
