#include "platform/quit_signals.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace zor06::platform {
namespace {

int writeEnd = -1;

void OnQuitSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe already carries the request.
    [[maybe_unused]] const auto written = write(writeEnd, &byte, 1);
}

}  // namespace

int WatchQuitSignals() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    writeEnd = ends[1];
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    return ends[0];
}

void EndWithParent() {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
}

}  // namespace zor06::platform
