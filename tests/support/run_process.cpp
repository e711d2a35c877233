#include "tests/support/run_process.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/process.h"

namespace zor06::test {

ProcessResult RunProcess(const std::string& binary, const std::vector<std::string>& args) {
    ProcessResult result;
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) {
        return result;
    }
    const platform::ChildStdio stdio{outPipe[1], errPipe[1], {outPipe[0], errPipe[0]}};
    // A bare name is a tool on PATH.
    const std::filesystem::path program = binary.find('/') == std::string::npos
                                              ? platform::FindProgram(binary, {}).value_or(binary)
                                              : std::filesystem::path(binary);
    const std::optional<pid_t> pid = platform::SpawnProgram(program, binary, args, stdio, nullptr);
    close(outPipe[1]);
    close(errPipe[1]);
    if (pid) {
        // Both pipes are drained together so that neither can fill up and stall the child.
        pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
        std::string* sinks[2] = {&result.out, &result.err};
        int open = 2;
        while (open > 0 && poll(fds, 2, -1) > 0) {
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || fds[i].revents == 0) {
                    continue;
                }
                char buffer[4096];
                const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
                if (n > 0) {
                    sinks[i]->append(buffer, static_cast<std::size_t>(n));
                } else {
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
        const std::optional<int> status = platform::WaitForChild(*pid);
        result.exitCode = status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
    }
    close(outPipe[0]);
    close(errPipe[0]);
    return result;
}

}  // namespace zor06::test
