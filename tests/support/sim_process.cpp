#include "support/sim_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "platform/process.h"

namespace zor06::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

constexpr milliseconds kStartTimeout{5000};
constexpr milliseconds kStopTimeout{5000};

}  // namespace

SimProcess::SimProcess(const std::string& binary, const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        error_ = std::string("pipe: ") + std::strerror(errno);
        return;
    }
    const platform::ChildStdio stdio{pipeFds[1], -1, {}};
    const std::optional<pid_t> pid = platform::SpawnProgram(binary, binary, args, stdio, &error_);
    close(pipeFds[1]);
    stdout_ = pipeFds[0];
    if (!pid) {
        return;
    }
    pid_ = *pid;
    started_ = ReadLine(&startLine_);
    if (started_) {
        ParseStartLine();
    }
}

SimProcess::~SimProcess() {
    Stop();
    if (stdout_ >= 0) {
        close(stdout_);
    }
}

std::optional<std::string> SimProcess::NextLine() {
    std::string line;
    if (!started_ || !ReadLine(&line)) {
        return std::nullopt;
    }
    return line;
}

bool SimProcess::ReadLine(std::string* line) {
    const int fd = stdout_;
    const auto deadline = steady_clock::now() + kStartTimeout;
    for (;;) {
        const auto left =
            std::chrono::duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(std::max<long long>(left, 0)));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            error_ = "no start line within the time";
            return false;
        }
        char c = 0;
        const ssize_t n = read(fd, &c, 1);
        if (n <= 0) {
            error_ = "the simulator ended before its start line";
            return false;
        }
        if (c == '\n') {
            return true;
        }
        line->push_back(c);
    }
}

void SimProcess::ParseStartLine() {
    constexpr std::string_view kTcp = "TCP ";
    constexpr std::string_view kPty = "PTY ";
    const std::string_view line = startLine_;
    if (line.starts_with(kTcp)) {
        const std::size_t colon = line.rfind(':');
        if (colon != std::string_view::npos) {
            tcpPort_ = static_cast<std::uint16_t>(std::stoul(std::string(line.substr(colon + 1))));
        }
    } else if (line.starts_with(kPty)) {
        ptyPath_ = std::string(line.substr(kPty.size()));
    }
}

std::optional<int> SimProcess::Stop() {
    if (pid_ < 0) {
        return std::nullopt;
    }
    const pid_t pid = pid_;
    pid_ = -1;
    kill(pid, SIGTERM);
    const auto deadline = steady_clock::now() + kStopTimeout;
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0 && steady_clock::now() < deadline) {
        std::this_thread::sleep_for(milliseconds(10));
    }
    if (done == 0) {
        kill(pid, SIGKILL);
        done = waitpid(pid, &status, 0);
    }
    if (done != pid || !WIFEXITED(status)) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

}  // namespace zor06::test
