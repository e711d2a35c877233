// The command line of zor06ctl: link options anywhere, then a command and its arguments.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zor06::ctl {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct LinkOptions {
    std::string tcp;     // HOST:PORT
    std::string serial;  // device path
    int baud = 9600;
    int address = 1;
    int preambles = 5;
    int attempts = 1;
    std::optional<int> firstByteTimeoutMs;  // 5000 unless given (the search uses 1000)
    std::optional<int> interByteTimeoutMs;  // 300 unless given
    std::string password;
    std::string idCode;
    std::string workDir;  // the link of the settings there when neither --tcp nor --serial
};

struct CommandLine {
    LinkOptions link;
    bool yes = false;      // answer "Да" to questions
    bool verbose = false;  // show progress texts
    bool help = false;
    bool json = false;  // identify prints one JSON object
    std::string command;
    std::vector<std::string> args;
};

// Parses argv; on wrong usage returns none with `error` set.
std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string* error);

// The usage text of the tool, or of one command.
std::string Usage(const std::string& command);

}  // namespace zor06::ctl
