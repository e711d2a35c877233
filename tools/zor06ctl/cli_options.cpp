#include "zor06ctl/cli_options.h"

#include <algorithm>
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

// The common options with a value that are not the link's own.
bool IsCommonValueOption(const std::string& arg) {
    return arg == "--retries" || arg == "--password-file" || arg == "--id-code-file";
}

bool TakeCommonValueOption(const std::string& arg, const std::string& value, CommandLine& cl,
                           SecretSources& secrets, std::string* error) {
    if (arg == "--retries") {
        const auto count = ParseInt(value, 0, 100);
        if (!count) {
            *error = "bad value for --retries: " + value;
            return false;
        }
        cl.retries = *count;
    } else {
        (arg == "--password-file" ? secrets.passwordFile : secrets.idCodeFile) = value;
    }
    return true;
}

struct CommonFlag {
    std::string_view name;
    bool CommandLine::*field;
};

constexpr CommonFlag kCommonFlags[] = {
    {"--help", &CommandLine::help}, {"-h", &CommandLine::help},
    {"--json", &CommandLine::json}, {"--csv", &CommandLine::csv},
    {"--yes", &CommandLine::yes},   {"--verbose", &CommandLine::verbose},
    {"-v", &CommandLine::verbose},  {"--trace", &CommandLine::trace},
};

const CommonFlag* FindCommonFlag(std::string_view arg) {
    const auto it = std::ranges::find(kCommonFlags, arg, &CommonFlag::name);
    return it == std::end(kCommonFlags) ? nullptr : it;
}

bool IsOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && arg[1] == '-';
}

// Where the command's name stands: the first word that is neither an option nor an option's
// value. The command is not known yet, so an option takes a value when the common options or
// some command say so.
int CommandPosition(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (FindCommonFlag(arg) != nullptr) {
            continue;
        }
        if (IsCommonValueOption(arg) || ValueOptions().contains(arg) ||
            SomeCommandsOptionTakesValue(arg)) {
            ++i;
        } else if (!IsOption(arg)) {
            return i;
        }
    }
    return argc;
}

// The option of `command` named `arg`; none for a command that takes no such option, and for one
// kept among the arguments before the command's name.
const Option* CommandOption(const Command* command, const std::string& arg, bool afterName) {
    const Option* option = command != nullptr ? FindOption(*command, arg) : nullptr;
    return option != nullptr && (afterName || !option->amongArguments) ? option : nullptr;
}

// One of the command's options with its value, if it takes one; false with `error` set.
bool TakeCommandOption(const Option& option, int argc, const char* const* argv, int* i,
                       CommandLine& cl, std::string* error) {
    const std::string name(option.name);
    if (option.amongArguments) {
        cl.args.push_back(name);  // the command reads it itself
        if (option.TakesValue() && *i + 1 < argc) {
            cl.args.push_back(argv[++*i]);
        }
        return true;
    }
    std::string value;
    if (option.TakesValue()) {
        if (*i + 1 >= argc) {
            *error = name + " needs a value";
            return false;
        }
        value = argv[++*i];
        if (option.check != nullptr) {
            *error = option.check(name, value);
            if (!error->empty()) {
                return false;
            }
        }
    }
    cl.options.push_back({name, value});
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

std::string CommandLine::ValueOf(std::initializer_list<std::string_view> names) const {
    // Reverse iterators rather than a reversed view: clang 14 cannot build the view with this
    // standard library.
    const auto last = std::find_if(options.rbegin(), options.rend(), [&](const auto& given) {
        return std::ranges::find(names, given.name) != names.end();
    });
    return last == options.rend() ? std::string() : last->value;
}

bool CommandLine::Given(std::string_view name) const {
    return std::ranges::find(options, name, &GivenOption::name) != options.end();
}

std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string* error) {
    CommandLine cl;
    SecretSources secrets;
    const int commandAt = CommandPosition(argc, argv);
    if (commandAt < argc) {
        cl.command = argv[commandAt];
    }
    const Command* command = FindCommand(cl.command);
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i == commandAt) {
            continue;
        }
        if (const CommonFlag* flag = FindCommonFlag(arg)) {
            cl.*(flag->field) = true;
        } else if (IsCommonValueOption(arg)) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return std::nullopt;
            }
            if (!TakeCommonValueOption(arg, argv[++i], cl, secrets, error)) {
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
        } else if (const Option* option = CommandOption(command, arg, i > commandAt)) {
            if (!TakeCommandOption(*option, argc, argv, &i, cl, error)) {
                return std::nullopt;
            }
        } else if (IsOption(arg)) {
            *error = "unknown option " + arg;
            return std::nullopt;
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
