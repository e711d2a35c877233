#include "platform/quit_signals.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace zor06::platform {
namespace {

bool Readable(int fd) {
    pollfd watched{fd, POLLIN, 0};
    return poll(&watched, 1, 100) == 1;
}

// Run in a child, so the handlers stay out of the test runner's own signal handling.
TEST(QuitSignals, EachSignalAsksToQuitAndLeavesTheProcessRunning) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = WatchQuitSignals();
        int asked = 0;
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            raise(signal);
            char byte = 0;
            asked += Readable(fd) && read(fd, &byte, 1) == 1 ? 1 : 0;
        }
        _exit(fd >= 0 && asked == 3 && !Readable(fd) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace zor06::platform
