// Runs the simulator binary for a test: started with the given arguments, its start line read,
// stopped with SIGTERM when the object goes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zor06::test {

class SimProcess {
public:
    // Starts `binary` (in tests: ZOR06_SIM_PATH) and waits up to a few seconds for its start line.
    SimProcess(const std::string& binary, const std::vector<std::string>& args);
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // Whether the simulator printed its start line; `Error()` says why not.
    bool Started() const { return started_; }
    const std::string& Error() const { return error_; }
    const std::string& StartLine() const { return startLine_; }
    // From "TCP HOST:PORT"; 0 for other transports.
    std::uint16_t TcpPort() const { return tcpPort_; }
    // From "PTY PATH"; empty for other transports.
    const std::string& PtyPath() const { return ptyPath_; }

    // The next line the simulator prints (a fleet's further "TCP HOST:PORT"), waiting as long as
    // for the start line; none when it does not come.
    std::optional<std::string> NextLine();

    // SIGTERM, then waits; the exit status, or nullopt when the process was killed by a signal
    // (SIGKILL after a few seconds without exiting counts so).
    std::optional<int> Stop();

private:
    bool ReadLine(std::string* line);
    void ParseStartLine();

    pid_t pid_ = -1;
    int stdout_ = -1;
    bool started_ = false;
    std::string error_;
    std::string startLine_;
    std::uint16_t tcpPort_ = 0;
    std::string ptyPath_;
};

}  // namespace zor06::test
