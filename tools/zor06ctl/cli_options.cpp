#include "zor06ctl/cli_options.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

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

// The selection of the messages command, kept in its arguments in order.
bool IsMessagesSelector(const std::string& arg) {
    return arg == "--all" || arg == "--last" || arg == "--index" || arg == "--from" ||
           arg == "--to";
}

// The run and period of the data readings and their spreadsheet export. The messages command
// reads its own --from and --to, so these come after its selection.
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
        } else if (cl.command == "messages" && IsMessagesSelector(arg)) {
            cl.args.push_back(arg);  // the command reads its selection itself
        } else if (cl.command == "passport" &&
                   (arg == "--date" || arg == "--month" || arg == "--object")) {
            cl.args.push_back(arg);  // the command reads its date and object itself
            if (i + 1 < argc) {
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
    if (command == "clock") {
        return "zor06ctl [LINK] clock [--json]\n"
               "  Reads the controller's, the chromatograph's and the PC's clocks and prints\n"
               "  one line per clock: \"В контроллере<TAB>dd.mm.yy<TAB>hh:mm:ss<TAB>weekday<TAB>\n"
               "  time type\", \"В ЭВМ<TAB>...\", \"В хроматографе<TAB>dd.mm.yy<TAB>hh:mm:ss\",\n"
               "  then \"Коррекция<TAB>N\": the seconds a correction would add.\n";
    }
    if (command == "sync-clock") {
        return "zor06ctl [LINK] sync-clock [--yes]\n"
               "  Corrects the controller's clock from the PC's after the question \"Вы\n"
               "  уверены, что часы ЭВМ показывают правильное время?\" (\"Да\" only with\n"
               "  --yes); needs the credentials of a registered user. Exit 1 when the\n"
               "  controller forbids setting its clock from the PC.\n";
    }
    if (command == "users") {
        return "zor06ctl [LINK] users [--json]\n"
               "  Prints one line per registered user: \"N<TAB>NAME<TAB>access level\" (N is the\n"
               "  slot from 1). Passwords and identification codes are never printed.\n";
    }
    if (command == "save-config") {
        return "zor06ctl [LINK] save-config [FILE] [--yes]\n"
               "  Reads every configuration table and writes them as a configuration file\n"
               "  (readable by its owner only; flow-computer passwords blank, as the controller\n"
               "  never returns them): FILE (\".cnf\" added when it has no extension; an\n"
               "  existing FILE is replaced only with --yes) or the proposed name in CONFIG of\n"
               "  the work directory. Prints the path.\n";
    }
    if (command == "write-config") {
        return "zor06ctl [LINK] write-config FILE [--tables all|T,T,...] [--yes]\n"
               "  Writes a configuration file (.cnf) into the controller as the restoration of\n"
               "  destroyed tables does: the file's checks (their messages on stderr, exit 1),\n"
               "  then the chosen tables in the controller's order (flow computers first).\n"
               "  \"all\" (the default) is every writable table but the clock (2) and the\n"
               "  users (4), which are written only when table 7 reports them destroyed or\n"
               "  they are named. A destroyed users table is written with blank credentials;\n"
               "  the clock gets the PC's time after a question (\"Да\" only with --yes).\n";
    }
    if (command == "show-config") {
        return "zor06ctl show-config FILE.cnf [--json]\n"
               "  The configuration of a file as a protocol lists it, one line per value:\n"
               "  \"SECTION<TAB>LABEL<TAB>VALUE\". Table sections give one line per cell with\n"
               "  the label \"ROW: COLUMN\", ROW being the row's first cell (\"Параметры "
               "газа<TAB>\n"
               "  8: Запись в ВРГ<TAB>Да\"). --json prints a list of {section, label, value}.\n";
    }
    if (command == "protocol") {
        return "zor06ctl [LINK] protocol [--out FILE.prc] [--pdf FILE.pdf]\n"
               "  Reads every configuration table and the software checksum, saves the\n"
               "  protocol (by default under its proposed name in CONFIG of the work\n"
               "  directory), with --pdf also its printed document, and prints the path of\n"
               "  each file written. An existing file is replaced only with --yes.\n";
    }
    if (command == "print-protocol") {
        return "zor06ctl print-protocol FILE.prc --pdf FILE.pdf\n"
               "  The printed document of a saved protocol as a PDF file.\n";
    }
    if (command == "status") {
        return "zor06ctl [LINK] status [--json]\n"
               "  The controller's current state: one \"LABEL<TAB>VALUE\" line per value of the\n"
               "  current-state window (the moisture-meter lines only with a moisture meter,\n"
               "  the flow-computer sign only with flow computers), then, with flow computers,\n"
               "  a heading line and one \"ADDRESS<TAB>LINK<TAB>WRITING\" line per flow\n"
               "  computer. --json prints {state: [{label, value: {text, abnormal}}],\n"
               "  flowComputers: [{address, link, writing}]}; abnormal values are the red ones.\n";
    }
    if (command == "functions") {
        return "zor06ctl [LINK] functions\n"
               "  Whether the controller can carry out its functions: one \"NAME<TAB>Возможно\"\n"
               "  or \"NAME<TAB>Невозможно\" line per function, the name as the window shows it.\n";
    }
    if (command == "show-messages") {
        return "zor06ctl show-messages FILE.aud|FILE.ala [--pdf FILE.pdf] [--json|--csv]\n"
               "  The rows of a saved message file as its view shows them, one line per row,\n"
               "  the cells trimmed of blanks and joined by tabs. --json prints one object\n"
               "  {caption, message, rows}; --csv the column headings and the rows as CSV\n"
               "  (RFC 4180, UTF-8); --pdf also writes the printed list, under the\n"
               "  organisation name of INI/title.ini of the work directory.\n";
    }
    if (command == "messages") {
        return "zor06ctl [LINK] messages interventions|diagnostics SELECTION [--save FILE]\n"
               "         [--pdf FILE] [--json|--csv]\n"
               "  SELECTION  --all | --last N | --index START COUNT | --from DATE --to DATE\n"
               "  DATE \"DD.MM.YY HH:MM:SS\" (a four-digit year and no seconds are accepted).\n"
               "  Identifies the controller (the code page of its names), reads the boundary\n"
               "  indices (not by period), then the records, and prints one line per row of\n"
               "  the archive's view. --save writes the .aud/.ala file, --pdf the printed list\n"
               "  under the organisation name of INI/title.ini. --csv prints the view's\n"
               "  column headings and rows as CSV (RFC 4180, UTF-8).\n";
    }
    if (command == "bounds") {
        return "zor06ctl [LINK] bounds 3min|hour|day\n"
               "  The period of the data archive the period dialog offers, from tables 27, 2\n"
               "  and 6: \"oldest<TAB>DD.MM.YY HH:MM\" and \"newest<TAB>DD.MM.YY HH:MM\" (hourly\n"
               "  data at minute 0, daily data at 00:00).\n";
    }
    if (command == "chromatograph" || command == "moisture") {
        return "zor06ctl [LINK] chromatograph 3min|hour|day --run 1|2 PERIOD [OUTPUT]\n"
               "zor06ctl [LINK] moisture 3min|hour|day PERIOD [OUTPUT]\n"
               "zor06ctl [LINK] moisture momentary\n"
               "  PERIOD  --from DATE --to DATE | --last-day | --last-month\n"
               "  DATE \"DD.MM.YY HH:MM\" (seconds and a four-digit year are accepted).\n"
               "  --last-day: 3-minute and hourly data the last 24 hours up to the controller\n"
               "  clock (hourly: up to the last whole hour), daily data the newest day of the\n"
               "  archive; --last-month: daily data the last month up to yesterday, 3-minute\n"
               "  and hourly data the month up to where --last-day ends.\n"
               "  Identifies the controller, then reads as the menu commands do: the bounds,\n"
               "  the period dialog's checks, the reading loop and its messages on stderr\n"
               "  (questions answered \"Нет\" unless --yes). Prints one line per view row: the\n"
               "  cells trimmed of blanks and joined by tabs, the left columns (status columns\n"
               "  included) and then the 20 (moisture: 4) values in display order; for the\n"
               "  chromatograph then \"Средние значения<TAB>...\" with the 20 averages. The\n"
               "  values follow INI/repconf_par.ini of the work directory.\n"
               "  OUTPUT  --save FILE   the data file (.mch .hch .dch .mwm .hwm .dwm added when\n"
               "                        FILE has no extension)\n"
               "          --xlsx FILE   the spreadsheet export (.xlsx added likewise)\n"
               "          --pdf FILE    the printed report, under the organisation name of\n"
               "                        INI/title.ini\n"
               "          --json        one object {caption, columns, rows, averages}: the\n"
               "                        heading texts, the rows' trimmed cells, the averages\n"
               "                        (empty for the moisture meter)\n"
               "          --csv         CSV (RFC 4180, UTF-8) instead of the lines: a row of\n"
               "                        the headings with their units, then one row per view\n"
               "                        row, values as numbers with a point (markers such as\n"
               "                        \"---\" as shown); no averages\n"
               "  moisture momentary: exit 1 with \"Нет связи с влагомером\" when table 33\n"
               "  field 1 says so; else \"Дата и время, к которым относятся данные<TAB>DD.MM.YY\n"
               "  HH:MM:SS\" and one \"LABEL<TAB>VALUE\" line per value of table 37.\n";
    }
    if (command == "momentary") {
        return "zor06ctl [LINK] momentary --run 1|2 [--json]\n"
               "  The chromatograph's latest values of the run with their gas-parameter zones,\n"
               "  as one refresh of the momentary window shows them, one line per parameter:\n"
               "    \"NAME<TAB>VALUE<TAB>ZONE\"\n"
               "  (the name with its unit, the value after INI/repconf_par.ini of the work\n"
               "  directory, no zone for the sum of the components and the gas temperature),\n"
               "  then \"Время последнего опроса хроматографа<TAB>DD.MM.YY HH:MM:SS\".\n"
               "  --json prints {time, rows: [{name, value, zone}]}. Exit 1 with \"Нет связи с\n"
               "  хроматографом\" when table 33 field 0 says so.\n";
    }
    if (command == "extra-params") {
        return "zor06ctl [LINK] extra-params\n"
               "  Table 41: \"Серийный номер хроматографа<TAB>N\" and \"Контрольная сумма ПО\n"
               "  контроллера<TAB>N\".\n";
    }
    if (command == "passport") {
        return "zor06ctl [LINK] passport day --run 1|2 --date DD.MM.YY --object NAME [--out FILE]\n"
               "zor06ctl [LINK] passport month --run 1|2 --month MM.YY --object NAME [--out FILE]\n"
               "  Builds the daily or monthly gas-quality passport of the run as the menu command\n"
               "  does: the daily archive's bounds, the date's check, the records of the gas day\n"
               "  (from the contract hour) or of the month read from the controller, the workbook\n"
               "  filled from day_report_title_v5.xlsx or mon_report_title_v5.xlsx of the work\n"
               "  directory (copied there from the program's own when missing). The object\n"
               "  becomes the current object of INI/objects.ini, appended when it is new. Prints\n"
               "  the path of the workbook: REPORT/OBJECT_RUN_day_YYMMDD.xlsx or\n"
               "  REPORT/OBJECT_RUN_mon_YYMM.xlsx (an existing one is replaced only with --yes),\n"
               "  or FILE with --out.\n";
    }
    if (command == "show-data") {
        return "zor06ctl show-data FILE [--xlsx FILE] [--pdf FILE] [--json|--csv]\n"
               "  A saved data file (.mch .hch .dch chromatograph, .mwm .hwm .dwm moisture\n"
               "  meter, by the extension) printed as the readings print their data; a file\n"
               "  of another kind is refused with the viewing command's message (exit 1).\n";
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
           "      --phone NUMBER  with --serial: the line is a modem; dial NUMBER before the\n"
           "                      command (result texts on stderr) and hang up after it\n"
           "      --modem-command TEXT  AT commands sent before the dial, split at ^\n"
           "                      (e.g. \"AT&F^ATS0=0\")\n"
           "      --password TEXT  --id-code DIGITS   the program user's credentials; text on\n"
           "                      the command line is visible to other users in the process\n"
           "                      list: prefer --password-file FILE, --id-code-file FILE (first\n"
           "                      line) or the variables ZOR06_PASSWORD and ZOR06_ID_CODE\n"
           "      --workdir DIR   without --tcp/--serial: the link kept in DIR/INI/conn.ini\n"
           "                      (default $XDG_DATA_HOME/zor06); on the telephone link\n"
           "                      its current subscriber is dialled as with --phone\n"
           "      --yes (answer questions \"Да\" and replace existing files; \"Повторить\n"
           "      попытку?\" at most --retries N times in a row, default 3)\n"
           "      --verbose (progress texts on stderr)\n"
           "      --trace  every request and reply on stderr as the exchange monitor shows\n"
           "               them: time, direction, code, length, the bytes in hex; the reply\n"
           "               line adds the wait in ms and the link's status text\n"
           "COMMANDS\n"
           "  read-table T [FIRST [COUNT]]   read fields, one \"T.F HEX\" line per field\n"
           "  write-table T FIRST HEX...     write consecutive fields\n"
           "  request CODE HEX               any function code with raw data; prints the reply\n"
           "  identify [--json]              identify the controller and print its identification\n"
           "  read-config                    read table 0 and all configuration tables\n"
           "  search --serial DEVICE         find a controller's address and baud rate\n"
           "  clock [--json]                 the controller's, PC's and chromatograph's clocks\n"
           "  sync-clock [--yes]             correct the controller's clock from the PC's\n"
           "  users [--json]                 the registered users and their access levels\n"
           "  save-config [FILE]             save the configuration to a .cnf file\n"
           "  write-config FILE [--tables all|T,T,...]\n"
           "                                 write a configuration file into the controller\n"
           "  show-config FILE.cnf [--json]  a configuration file's values as a protocol lists "
           "them\n"
           "  protocol [--out F] [--pdf F]   save a configuration protocol of the controller\n"
           "  print-protocol F.prc --pdf F   a saved protocol's printed document as PDF\n"
           "  status [--json]                the controller's current state and flow computers\n"
           "  functions                      whether the controller can carry out its functions\n"
           "  show-messages F.aud|F.ala [--pdf F] [--json|--csv]\n"
           "                                 a saved message file's rows, and its printed list\n"
           "  messages interventions|diagnostics (--all | --last N | --index START COUNT |\n"
           "           --from DATE --to DATE) [--save F] [--pdf F] [--json|--csv]\n"
           "                                 read a message archive, one line per record\n"
           "  bounds 3min|hour|day           the data archive's period: \"oldest<TAB>DD.MM.YY\n"
           "                                 HH:MM\" and \"newest<TAB>...\"\n"
           "  chromatograph 3min|hour|day --run 1|2 (--from DATE --to DATE | --last-day |\n"
           "           --last-month) [--save F] [--xlsx F] [--pdf F] [--json|--csv]\n"
           "                                 read a chromatograph archive, one line per row\n"
           "  moisture 3min|hour|day (the same period options) [--save F] [--xlsx F]\n"
           "           [--pdf F] [--json|--csv]\n"
           "                                 read a moisture-meter archive\n"
           "  moisture momentary             the momentary values, \"LABEL<TAB>VALUE\" lines\n"
           "  momentary --run 1|2 [--json]   the chromatograph's momentary values and zones\n"
           "  extra-params                   the chromatograph's serial number and the\n"
           "                                 software checksum\n"
           "  show-data F [--xlsx F] [--pdf F] [--json|--csv]\n"
           "                                 a saved .mch .hch .dch .mwm .hwm .dwm file's rows\n"
           "  passport day|month --run 1|2 (--date DD.MM.YY | --month MM.YY) --object NAME\n"
           "           [--out F]             build a gas-quality passport; prints its path\n"
           "--csv  messages, show-messages, chromatograph, moisture and show-data print their\n"
           "      rows as CSV (RFC 4180, UTF-8) instead of tab-separated lines; not with --json\n"
           "Exit status: 0 success, 1 a controller operation failed, 2 wrong usage or a\n"
           "file to be written exists already (replaced only with --yes).\n"
           "COMMAND --help shows the command's own help.\n";
}

}  // namespace zor06::ctl
