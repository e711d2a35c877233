#include "zor06ctl/cli_options.h"

#include <functional>
#include <map>

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
    };
    return options;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(int argc, const char* const* argv, std::string* error) {
    CommandLine cl;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            cl.help = true;
        } else if (arg == "--json") {
            cl.json = true;
        } else if (arg == "--yes") {
            cl.yes = true;
        } else if (arg == "--verbose" || arg == "-v") {
            cl.verbose = true;
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
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            *error = "unknown option " + arg;
            return std::nullopt;
        } else if (cl.command.empty()) {
            cl.command = arg;
        } else {
            cl.args.push_back(arg);
        }
    }
    if (!cl.link.tcp.empty() && !cl.link.serial.empty()) {
        *error = "--tcp and --serial exclude each other";
        return std::nullopt;
    }
    return cl;
}

std::string Usage(const std::string& command) {
    if (command == "read-table") {
        return "zor06ctl [LINK] read-table T [FIRST [COUNT]]\n"
               "  Reads fields of table T (the whole table by default) in requests of at most\n"
               "  245 value bytes and prints one line per field: \"T.F HEX\".\n";
    }
    if (command == "write-table") {
        return "zor06ctl [LINK] write-table T FIRST HEX...\n"
               "  Writes consecutive fields of table T from FIRST, one HEX argument per field\n"
               "  (exactly the field size), with the credentials of --password and --id-code.\n";
    }
    if (command == "request") {
        return "zor06ctl [LINK] request CODE HEX\n"
               "  Sends any function code the link accepts with raw data (\"\" for none) and\n"
               "  prints the reply frame in hex.\n";
    }
    if (command == "identify") {
        return "zor06ctl [LINK] identify [--json]\n"
               "  Reads table 0, refuses a controller of another type or software version,\n"
               "  reads the names, system parameters and chromatograph link, and prints the\n"
               "  identification as \"Label: value\" lines (or one JSON object).\n";
    }
    if (command == "read-config") {
        return "zor06ctl [LINK] read-config\n"
               "  Reads table 0 and every configuration table, printed as read-table does.\n";
    }
    if (command == "search") {
        return "zor06ctl search --serial DEVICE [--first-byte-timeout MS] [--attempts N]\n"
               "  Tries every baud rate from 300 up with a read of table 0, field 0 to address\n"
               "  255 and prints the controller's address and baud rate: \"ADDRESS BAUD\".\n";
    }
    return "zor06ctl [LINK] COMMAND [ARGS]\n"
           "LINK  --tcp HOST:PORT | --serial DEVICE [--baud N (default 9600)]\n"
           "      --address N (1..255, default 1)  --preambles N (default 5)\n"
           "      --attempts N (default 1)  --first-byte-timeout MS (default 5000)\n"
           "      --inter-byte-timeout MS (default 300)\n"
           "      --password TEXT  --id-code DIGITS   the program user's credentials\n"
           "      --workdir DIR   without --tcp/--serial: the link kept in DIR/INI/conn.ini\n"
           "                      (default $XDG_DATA_HOME/zor06)\n"
           "      --yes (answer questions \"Да\")  --verbose (progress texts on stderr)\n"
           "COMMANDS\n"
           "  read-table T [FIRST [COUNT]]   read fields, one \"T.F HEX\" line per field\n"
           "  write-table T FIRST HEX...     write consecutive fields\n"
           "  request CODE HEX               any function code with raw data; prints the reply\n"
           "  identify [--json]              identify the controller and print its identification\n"
           "  read-config                    read table 0 and all configuration tables\n"
           "  search --serial DEVICE         find a controller's address and baud rate\n"
           "Exit status: 0 success, 1 a controller operation failed, 2 wrong usage.\n"
           "COMMAND --help shows the command's own help.\n";
}

}  // namespace zor06::ctl
