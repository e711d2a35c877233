#include "zor06ctl/cli_options.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>

#include "zor06ctl/command_table.h"
#include "zor06ctl/hex.h"

namespace zor06::ctl {
namespace {

using Setter = std::function<bool(LinkOptions&, const std::string&)>;

Setter IntOption(int LinkOptions::*field, int min, int max) {
    return [field, min, max](LinkOptions& o, const std::string& v) {
        const auto value = ParseInt(v, min, max);
        if (value) {
            o.*field = *value;
        }
        return value.has_value();
    };
}

Setter OptionalIntOption(std::optional<int> LinkOptions::*field, int min, int max) {
    return [field, min, max](LinkOptions& o, const std::string& v) {
        const auto value = ParseInt(v, min, max);
        if (value) {
            o.*field = *value;
        }
        return value.has_value();
    };
}

Setter TextOption(std::string LinkOptions::*field) {
    return [field](LinkOptions& o, const std::string& v) {
        o.*field = v;
        return !v.empty();
    };
}

const std::map<std::string, Setter>& ValueOptions() {
    static const std::map<std::string, Setter> options{
        {"--tcp", TextOption(&LinkOptions::tcp)},
        {"--serial", TextOption(&LinkOptions::serial)},
        {"--baud", IntOption(&LinkOptions::baud, 1, 4'000'000)},
        {"--address", IntOption(&LinkOptions::address, 1, 255)},
        {"--preambles", IntOption(&LinkOptions::preambles, 0, 255)},
        {"--attempts", IntOption(&LinkOptions::attempts, 0, 255)},
        {"--first-byte-timeout", OptionalIntOption(&LinkOptions::firstByteTimeoutMs, 1, 600'000)},
        {"--inter-byte-timeout", OptionalIntOption(&LinkOptions::interByteTimeoutMs, 1, 60'000)},
        {"--password", TextOption(&LinkOptions::password)},
        {"--id-code", TextOption(&LinkOptions::idCode)},
        {"--workdir", TextOption(&LinkOptions::workDir)},
        {"--phone", TextOption(&LinkOptions::phone)},
        {"--modem-command", TextOption(&LinkOptions::modemCommand)},
    };
    return options;
}

// The first line of a file that only its owner should be able to read.
std::optional<std::string> ReadSecretFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string line;
    std::getline(file, line);
    if (file.bad()) {
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

struct SecretSources {
    std::string passwordFile;
    std::string idCodeFile;
};

// Fills a credential not given as text from its file, else from the environment.
bool ResolveSecret(std::string* value, const std::string& file, const char* fileOption,
                   const char* variable, std::string* error) {
    if (!value->empty()) {
        return true;
    }
    if (!file.empty()) {
        const auto text = ReadSecretFile(file);
        if (!text) {
            *error = std::string("cannot read ") + fileOption + " " + file;
            return false;
        }
        *value = *text;
        return true;
    }
    if (const char* env = std::getenv(variable)) {
        *value = env;
    }
    return true;
}

// A service name as /etc/services spells them: a letter, then letters, digits and dashes.
bool IsServiceName(const std::string& text) {
    return !text.empty() && std::isalpha(static_cast<unsigned char>(text[0])) != 0 &&
           text.find_first_not_of(
               "abcdefghijklmnopqrstuvwxyz"
               "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_") == std::string::npos;
}

// Options that set something other than the link's values.
bool TakeOtherOption(const std::string& arg, const std::string& value, CommandLine& cl,
                     SecretSources& secrets, std::string* error) {
    if (arg == "--retries") {
        const auto count = ParseInt(value, 0, 100);
        if (!count) {
            *error = "bad value for --retries: " + value;
            return false;
        }
        cl.retries = *count;
    } else if (arg == "--tables") {
        cl.tables = value;
    } else if (arg == "--password-file") {
        secrets.passwordFile = value;
    } else if (arg == "--id-code-file") {
        secrets.idCodeFile = value;
    } else if (arg == "--out" || arg == "--pdf") {
        if (value.empty()) {
            *error = arg + " needs a file name";
            return false;
        }
        (arg == "--out" ? cl.out : cl.pdf) = value;
    }
    return true;
}

bool IsOtherOption(const std::string& arg) {
    return arg == "--retries" || arg == "--password-file" || arg == "--id-code-file" ||
           arg == "--tables" || arg == "--out" || arg == "--pdf";
}

// The run and period of the data readings and their spreadsheet export. The messages command
// reads its own --from and --to, so these come after the commands' own options.
bool IsDataOption(const std::string& arg) {
    return arg == "--run" || arg == "--from" || arg == "--to" || arg == "--xlsx";
}

bool TakeDataOption(const std::string& arg, const std::string& value, CommandLine& cl,
                    std::string* error) {
    if (arg == "--run") {
        const auto run = ParseInt(value, 1, 2);
        if (!run) {
            *error = "--run takes 1 or 2";
            return false;
        }
        cl.data.run = *run;
        return true;
    }
    if (value.empty()) {
        *error = arg + " needs a value";
        return false;
    }
    (arg == "--from" ? cl.data.from : arg == "--to" ? cl.data.to : cl.xlsx) = value;
    return true;
}

}  // namespace

bool SplitEndpoint(const std::string& text, std::string* host, std::string* port) {
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    *host = text.substr(0, colon);
    *port = text.substr(colon + 1);
    return ParseInt(*port, 1, 65535).has_value() || IsServiceName(*port);
}

RowFormat RowFormatOf(const CommandLine& cl) {
    return cl.csv ? RowFormat::Csv : cl.json ? RowFormat::Json : RowFormat::Tabs;
}

std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string* error) {
    CommandLine cl;
    SecretSources secrets;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            cl.help = true;
        } else if (arg == "--json" || arg == "--csv") {
            (arg == "--json" ? cl.json : cl.csv) = true;
        } else if (arg == "--yes") {
            cl.yes = true;
        } else if (arg == "--verbose" || arg == "-v") {
            cl.verbose = true;
        } else if (arg == "--trace") {
            cl.trace = true;
        } else if (IsOtherOption(arg)) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return std::nullopt;
            }
            if (!TakeOtherOption(arg, argv[++i], cl, secrets, error)) {
                return std::nullopt;
            }
        } else if (const auto it = ValueOptions().find(arg); it != ValueOptions().end()) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return std::nullopt;
            }
            const std::string value = argv[++i];
            if (!it->second(cl.link, value)) {
                *error = "bad value for " + arg + ": " + value;
                return std::nullopt;
            }
        } else if (const OwnOption* own = FindOwnOption(cl.command, arg)) {
            cl.args.push_back(arg);  // the command reads it itself
            if (own->takesValue && i + 1 < argc) {
                cl.args.push_back(argv[++i]);
            }
        } else if (arg == "--last-day" || arg == "--last-month") {
            (arg == "--last-day" ? cl.data.lastDay : cl.data.lastMonth) = true;
        } else if (IsDataOption(arg)) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return std::nullopt;
            }
            if (!TakeDataOption(arg, argv[++i], cl, error)) {
                return std::nullopt;
            }
        } else if (arg == "--save") {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return std::nullopt;
            }
            cl.out = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            *error = "unknown option " + arg;
            return std::nullopt;
        } else if (cl.command.empty()) {
            cl.command = arg;
        } else {
            cl.args.push_back(arg);
        }
    }
    if (cl.json && cl.csv) {
        *error = "--csv and --json exclude each other: choose one output";
        return std::nullopt;
    }
    if (!cl.link.tcp.empty() && !cl.link.serial.empty()) {
        *error = "--tcp and --serial exclude each other";
        return std::nullopt;
    }
    if (!cl.link.phone.empty() && cl.link.serial.empty()) {
        *error = "--phone goes with --serial";
        return std::nullopt;
    }
    if (!cl.link.modemCommand.empty() && cl.link.phone.empty()) {
        *error = "--modem-command goes with --phone";
        return std::nullopt;
    }
    std::string host;
    std::string port;
    if (!cl.link.tcp.empty() && !SplitEndpoint(cl.link.tcp, &host, &port)) {
        *error = "--tcp needs HOST:PORT with a port 1..65535: " + cl.link.tcp;
        return std::nullopt;
    }
    if (!ResolveSecret(&cl.link.password, secrets.passwordFile, "--password-file", "ZOR06_PASSWORD",
                       error) ||
        !ResolveSecret(&cl.link.idCode, secrets.idCodeFile, "--id-code-file", "ZOR06_ID_CODE",
                       error)) {
        return std::nullopt;
    }
    return cl;
}

}  // namespace zor06::ctl
