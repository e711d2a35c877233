#include "zor06-sim/stop_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace zor06::sim {
namespace {

volatile std::sig_atomic_t stopRequested = 0;
int wakeRead = -1;
int wakeWrite = -1;

extern "C" void OnStopSignal(int) {
    const int saved = errno;
    stopRequested = 1;
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
    return stopRequested != 0;
}

}  // namespace zor06::sim
