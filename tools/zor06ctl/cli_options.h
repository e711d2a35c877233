// The command line of zor06ctl: link and common options anywhere, a command, its arguments and
// the options its row lists.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/link_parameters.h"

namespace zor06::ctl {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
// A reading cut short, after it printed and saved what it read.
constexpr int kExitCutShort = 3;

struct LinkOptions {
    std::string tcp;     // HOST:PORT
    std::string serial;  // device path
    int baud = 9600;
    int address = 1;
    int preambles = 5;
    int attempts = 1;
    std::optional<int> firstByteTimeoutMs;  // 5000 unless given (the search uses 1000)
    std::optional<int> interByteTimeoutMs;  // 300 unless given
    std::string password;                   // from --password, --password-file or ZOR06_PASSWORD
    std::string idCode;                     // from --id-code, --id-code-file or ZOR06_ID_CODE
    std::string workDir;       // the link of the settings there when neither --tcp nor --serial
    std::string phone;         // with --serial: dial this number through the modem first
    std::string modemCommand;  // the modem command text sent before the dial ("AT...^AT...")
};

// An option of the command as given, with its value (empty for one that takes none).
struct GivenOption {
    std::string name;
    std::string value;
};

struct CommandLine {
    LinkOptions link;
    bool yes = false;      // answer "Да" to questions
    int retries = 3;       // with --yes: how often one failed request is repeated
    bool verbose = false;  // show progress texts
    bool trace = false;    // every exchange with the controller on stderr
    bool help = false;
    bool json = false;  // identify prints one JSON object
    bool csv = false;   // the commands that print rows print them as CSV
    std::string command;
    std::vector<std::string> args;
    // The command's options in the order given, but those kept among the arguments.
    std::vector<GivenOption> options;

    // The value of whichever of `names` was given last; empty when none was.
    std::string ValueOf(std::initializer_list<std::string_view> names) const;
    bool Given(std::string_view name) const;
};

// How the commands that print a view's rows print them.
enum class RowFormat { Tabs, Json, Csv };
RowFormat RowFormatOf(const CommandLine& cl);

// What --tcp or --serial load into the link object (the Ethernet kind for --tcp).
link::LinkParameters LinkParametersOf(const LinkOptions& options);

// Parses argv: the link and the common options, then the options of the command named, before or
// after its name; on wrong usage returns none with `error` set. Credentials not given on the
// command line come from the environment (ZOR06_PASSWORD, ZOR06_ID_CODE), which other users cannot
// read.
std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string* error);

// "HOST:PORT" with a host and a port 1..65535 or a service name; false otherwise.
bool SplitEndpoint(const std::string& text, std::string* host, std::string* port);

}  // namespace zor06::ctl
