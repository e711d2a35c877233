// zor06ctl cut short: a signal that ends a reading, or a reader that stops reading its output,
// leaves nothing in the temporary directory, and the exit status is still that of the signal.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "platform/process.h"
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

class CtlSignals : public CtlFixture {
protected:
    void SetUp() override { fs::create_directories(tmp_); }
    void TearDown() override {
        fs::remove_all(tmp_);
        ::close(nullDevice_);
    }
    // Starts zor06ctl on the simulator with $TMPDIR at tmp_ and its output going to `out`; env
    // runs it in its own place, so the process id is zor06ctl's.
    pid_t StartCtl(const std::vector<std::string>& command, int out) {
        std::vector<std::string> args{"TMPDIR=" + tmp_.string(), ZOR06_CTL_PATH, "--tcp", endpoint};
        args.insert(args.end(), command.begin(), command.end());
        std::string error;
        const auto pid =
            platform::SpawnProgram("/usr/bin/env", "env", args, {out, nullDevice_, {}}, &error);
        EXPECT_TRUE(pid) << error;
        return pid.value_or(-1);
    }
    // The work folder once the reading has made it; empty when none came within the bound.
    fs::path WorkFolder() const {
        for (int i = 0; i < 200; ++i) {
            const fs::directory_iterator first(tmp_);
            if (first != fs::directory_iterator()) {
                return first->path();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return {};
    }
    fs::path tmp_ = fs::temp_directory_path() / ("zor06-signals-" + std::to_string(::getpid()));
    int nullDevice_ = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
};

TEST_F(CtlSignals, EachEndingSignalRemovesTheReadingsWorkFolderAndEndsTheRunAsItWould) {
    Start({"--reply-delay", "150"});
    struct Case {
        int signal;
        std::vector<std::string> command;
    } const cases[] = {
        {SIGTERM, {"messages", "interventions", "--all"}},
        {SIGINT, {"chromatograph", "hour", "--run", "1", "--last-month"}},
        {SIGHUP, {"moisture", "hour", "--last-month"}},
        {SIGPIPE, {"messages", "diagnostics", "--all"}},
    };
    for (const Case& c : cases) {
        int output[2];
        ASSERT_EQ(::pipe2(output, O_CLOEXEC), 0);
        const pid_t pid = StartCtl(c.command, output[1]);
        ::close(output[1]);
        const fs::path folder = WorkFolder();
        ASSERT_FALSE(folder.empty()) << c.command[0];
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms::owner_all) << c.command[0];
        // SIGPIPE comes from a reader that stops reading, as `| head` does once it has its lines.
        ::close(output[0]);
        if (c.signal != SIGPIPE) {
            ::kill(pid, c.signal);
        }
        const std::optional<int> status = platform::WaitForChild(pid);
        ASSERT_TRUE(status && WIFSIGNALED(*status)) << c.command[0];
        EXPECT_EQ(WTERMSIG(*status), c.signal);
        EXPECT_TRUE(fs::is_empty(tmp_)) << c.command[0] << " left " << folder;
    }
}

}  // namespace
}  // namespace zor06::test
