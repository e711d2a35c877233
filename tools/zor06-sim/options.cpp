#include "zor06-sim/options.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <limits>

#include "link/frame.h"
#include "platform/serial_port_posix.h"
#include "tables/catalogue.h"
#include "tables/controller_date.h"
#include "text/codepage.h"
#include "zor06-sim/fleet.h"
#include "zor06-sim/fleet_subscribers.h"
#include "zor06-sim/option_table.h"

namespace zor06::sim {
namespace {

constexpr int kDefaultSerialBaud = 9600;

std::string ChooseTransport(Options& o, Transport t) {
    if (o.transport != Transport::None) {
        return "choose only one of --tcp, --pty and --serial";
    }
    o.transport = t;
    return {};
}

std::string SetFlag(bool& flag, bool value) {
    flag = value;
    return {};
}

std::uint8_t Byte(long v) {
    return static_cast<std::uint8_t>(v);
}

std::optional<long> ParseNumber(std::string_view text) {
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string SetTcp(Options& o, std::string_view value) {
    if (const std::size_t colon = value.rfind(':'); colon != std::string_view::npos) {
        o.tcpHost = std::string(value.substr(0, colon));
        value.remove_prefix(colon + 1);
    }
    const std::optional<long> port = ParseNumber(value);
    if (o.tcpHost.empty() || !port || *port < 0 || *port > 65535) {
        return "--tcp takes [HOST:]PORT with PORT 0..65535";
    }
    o.tcpPort = static_cast<std::uint16_t>(*port);
    return ChooseTransport(o, Transport::Tcp);
}

std::string SetPassword(Options& o, std::string_view value) {
    std::string bytes = text::Utf8ToCp1251(value);
    if (bytes.size() > link::kPasswordSize) {
        return "--password takes at most 12 characters";
    }
    o.controller.password = std::move(bytes);
    return {};
}

// "YY-MM-DD HH:MM:SS".
std::optional<bytes::ControllerDateTime> ParseDateTime(std::string_view value) {
    int f[6] = {};
    const std::string text(value);
    char tail = 0;
    if (std::sscanf(text.c_str(), "%2d-%2d-%2d %2d:%2d:%2d%c", &f[0], &f[1], &f[2], &f[3], &f[4],
                    &f[5], &tail) != 6 ||
        std::ranges::any_of(f, [](int v) { return v < 0; })) {
        return std::nullopt;
    }
    bytes::ControllerDateTime dt{};
    std::ranges::transform(f, dt.begin(), [](int v) { return static_cast<std::uint8_t>(v); });
    if (!tables::IsValid(dt)) {
        return std::nullopt;
    }
    return dt;
}

// Local time.
std::string SetNow(Options& o, std::string_view value) {
    const std::optional<bytes::ControllerDateTime> dt = ParseDateTime(value);
    if (!dt) {
        return "--now takes \"YY-MM-DD HH:MM:SS\"";
    }
    std::tm tm{};
    tm.tm_year = (*dt)[0] + 100;
    tm.tm_mon = (*dt)[1] - 1;
    tm.tm_mday = (*dt)[2];
    tm.tm_hour = (*dt)[3];
    tm.tm_min = (*dt)[4];
    tm.tm_sec = (*dt)[5];
    tm.tm_isdst = -1;
    const std::time_t start = std::mktime(&tm);
    if (start == static_cast<std::time_t>(-1)) {
        return "--now: no such local time";
    }
    o.controller.startTime = start;
    return {};
}

std::string SetDataStart(Options& o, std::string_view value) {
    o.controller.data.start = ParseDateTime(value);
    return o.controller.data.start ? std::string() : "--data-start takes \"YY-MM-DD HH:MM:SS\"";
}

std::string SetEmptyDataArchive(Options& o, std::string_view value) {
    const std::optional<DataArchive> archive = ParseDataArchive(value);
    if (!archive) {
        return "--empty-data-archive takes min, hour or day";
    }
    o.controller.data.empty[static_cast<std::size_t>(*archive)] = true;
    return {};
}

// "N": the N-th archive request; "*N": every N-th.
std::string SetLateReply(Options& o, std::string_view value) {
    const bool every = value.starts_with('*');
    const std::optional<long> n = ParseNumber(value.substr(every ? 1 : 0));
    if (!n || *n < 1) {
        return "--late-reply takes N or *N, N from 1";
    }
    (every ? o.faults.lateEvery : o.faults.lateRequest) = *n;
    return {};
}

constexpr std::string_view kSelectorForm = "ARCHIVE/SOURCE/WHEN (e.g. hour/run1/24-03-05 10:00)";

std::string AddDataStatus(Options& o, std::string_view value) {
    const std::optional<RecordStatus> status = ParseRecordStatus(value);
    if (!status) {
        return "--data-status takes " + std::string(kSelectorForm) + "=BYTE";
    }
    o.controller.data.statuses.push_back(*status);
    return {};
}

std::string AddSelector(std::vector<RecordSelector>& to, std::string_view name,
                        std::string_view value) {
    const std::optional<RecordSelector> selector = ParseRecordSelector(value);
    if (!selector) {
        return std::string(name) + " takes " + std::string(kSelectorForm);
    }
    to.push_back(*selector);
    return {};
}

constexpr long kMaxCount = 1'000'000;
constexpr long kMaxClockOffset = 10L * 365 * 24 * 3600;
constexpr long kMaxMillis = 600'000;
constexpr long kMaxRecords = 10'000'000;
constexpr long kMaxIndex = 0xFFFFFFFFL;

std::uint32_t Index(long v) {
    return static_cast<std::uint32_t>(v);
}

std::string SetModemResult(Options& o, std::string_view value) {
    o.modem.dialResult = value;
    if (!IsDialResult(o.modem.dialResult)) {
        return "--modem-result takes CONNECT, NO DIALTONE, BUSY, NO CARRIER, ERROR or NO ANSWER";
    }
    return {};
}

std::string SetLinkPath(Options& o, std::string_view value) {
    o.linkPath = value;
    return {};
}

std::string SetFleetSubscribers(Options& o, std::string_view value) {
    o.fleetSubscribers = value;
    return o.fleetSubscribers.empty() ? "--fleet-subscribers takes a file name" : std::string();
}

std::string SetSerial(Options& o, std::string_view value) {
    o.serialDevice = value;
    return ChooseTransport(o, Transport::Serial);
}

constexpr OptionRow kTransportOptions[] = {
    {"--tcp", "[HOST:]PORT", "listen on TCP (host 127.0.0.1, port 0 picks a free one)", SetTcp},
    {"--fleet", "N",
     "with --tcp: N controllers (1..200) on the ports from\n"
     "PORT on (PORT 0: N free ports, not always consecutive),\n"
     "one \"TCP HOST:PORT\" line each in port order; the I-th\n"
     "(from 1) has the address and serial number I-1 past\n"
     "the first's, the seed --seed+I-1 and the names\n"
     "\"ЗОР_06 КС-NN\", \"Нитка 1 КС-NN\", \"Нитка 2 КС-NN\"\n"
     "(NN: I, two digits at least); all other options apply\n"
     "to each",
     NumberSetter{1, kMaxFleet, [](Options& o, long v) { o.fleet = static_cast<int>(v); }}},
    {"--fleet-subscribers", "FILE",
     "\nwith --fleet: write the fleet as a work directory's\n"
     "Ethernet subscriber list (INI/ethr_abonents.ini), the\n"
     "controllers named \"Станция 01\"...; FILE must not exist yet",
     SetFleetSubscribers},
    {"--pty", "", "serve a new pseudo-terminal",
     [](Options& o) { return ChooseTransport(o, Transport::Pty); }},
    {"--link", "PATH", "with --pty: symlink PATH to the terminal, removed at exit", SetLinkPath},
    {"--serial", "DEV", "serve a serial device", SetSerial},
    {"--modem", "",
     "with --pty: a Hayes modem answers the line (ATE, ATV, AT+CPAS,\n"
     "ATD..., ATH, \"+++\" framed by 1 s of silence); after CONNECT\n"
     "the line reaches the controller until \"+++\" or the line closes",
     [](Options& o) { return SetFlag(o.modem.enabled, true); }},
    {"--modem-result", "TEXT",
     "the dial answers TEXT instead of CONNECT: NO DIALTONE, BUSY,\n"
     "NO CARRIER, ERROR or NO ANSWER",
     SetModemResult},
    {"--modem-silent", "", "the modem never answers",
     [](Options& o) { return SetFlag(o.modem.silent, true); }},
    {"--modem-cpas", "N", "AT+CPAS reports activity N (default 0, ready; 3 ringing)",
     NumberSetter{0, 9, [](Options& o, long v) { o.modem.cpas = static_cast<int>(v); }}},
    {"--baud", "N",
     "serial speed (default 9600); with --pty: answer only while\n"
     "the client has set the line to N bit/s",
     NumberSetter{platform::kMinBaud, platform::kMaxBaud,
                  [](Options& o, long v) { o.baud = static_cast<int>(v); }}},
};

constexpr OptionRow kControllerOptions[] = {
    {"--address", "N", "address 0..254 (default 1)",
     NumberSetter{0, 254, [](Options& o, long v) { o.controller.address = Byte(v); }}},
    {"--type", "N", "controller type (default 73)",
     NumberSetter{0, 255, [](Options& o, long v) { o.controller.type = Byte(v); }}},
    {"--version", "N", "software version (default 6)",
     NumberSetter{0, 255, [](Options& o, long v) { o.controller.version = Byte(v); }}},
    {"--destroyed", "T",
     "report table T as destroyed until every field of it was\n"
     "written again (repeat for more tables); a destroyed table 4\n"
     "takes writes with blank credentials only",
     NumberSetter{1, tables::kTableCount - 1,
                  [](Options& o, long v) { o.controller.destroyedTables.push_back(Byte(v)); }}},
    {"--cp866", "", "names in code page 866 instead of Windows-1251",
     [](Options& o) { return SetFlag(o.controller.cp866, true); }},
    {"--password", "TEXT",
     "writes and clock corrections pass with this password\n"
     "alone (a shortcut for tests); without it they need the\n"
     "password and code of a registered user of table 4:\n"
     "  НАЛ   Производитель-наладчик  code 1  no password\n"
     "  АДМ   Администратор           code 2  password 2222\n"
     "  ОПЕР  Оператор                code 4  password 4444",
     SetPassword},
    {"--now", "\"YY-MM-DD HH:MM:SS\"", " start the controller's clock at this local time", SetNow},
    {"--chromatograph-type", "N", "(default 3)",
     NumberSetter{0, 255, [](Options& o, long v) { o.controller.chromatographType = Byte(v); }}},
    {"--chromatograph-clock-offset", "S",
     "\nthe chromatograph's clock (table 42) runs S seconds ahead\n"
     "of the controller's (negative: behind)",
     NumberSetter{-kMaxClockOffset, kMaxClockOffset,
                  [](Options& o, long v) { o.controller.chromatographClockOffset = v; }}},
    {"--runs", "N", "runs in use: bit 0 run 1, bit 1 run 2 (default 3)",
     NumberSetter{0, 255, [](Options& o, long v) { o.controller.runs = Byte(v); }}},
    {"--frozen-clock", "", "the clock stands still: table 2 always reads the same time",
     [](Options& o) { return SetFlag(o.controller.frozenClock, true); }},
};

constexpr OptionRow kStateOptions[] = {
    {"--flow-computers", "N",
     "flow computers connected, 0..255 (default 1); the tables\n"
     "hold 16, a larger count tries the reader's bound",
     NumberSetter{0, 255, [](Options& o, long v) { o.controller.status.flowComputers = Byte(v); }}},
    {"--flow-computer-offline", "I",
     "\nflow computer I (1..16) has no link and is not written\n"
     "(repeat for more)",
     NumberSetter{
         1, 16,
         [](Options& o, long v) { o.controller.status.flowComputersOffline.push_back(Byte(v)); }}},
    {"--moisture-meter", "", "a moisture meter is present (default: none)",
     [](Options& o) { return SetFlag(o.controller.status.moistureMeter, true); }},
    {"--chromatograph-error", "C", "polling the chromatograph fails with code C",
     NumberSetter{0, 255,
                  [](Options& o, long v) { o.controller.status.chromatographError = Byte(v); }}},
    {"--moisture-error", "C", "polling the moisture meter fails with code C",
     NumberSetter{0, 255, [](Options& o, long v) { o.controller.status.moistureError = Byte(v); }}},
    {"--flow-exchange-fault", "", "an abnormal situation in the exchange with flow computers",
     [](Options& o) { return SetFlag(o.controller.status.flowExchangeFault, true); }},
    {"--self-diagnostics-fault", "", "\nself-diagnostics found an abnormal situation",
     [](Options& o) { return SetFlag(o.controller.status.selfDiagnosticsFault, true); }},
    {"--abnormal-runs", "N", "abnormal monitored values: bit 0 run 1, bit 1 run 2",
     NumberSetter{0, 3, [](Options& o, long v) { o.controller.status.abnormalRuns = Byte(v); }}},
    {"--no-chromatograph-link", "", "no link to the chromatograph",
     [](Options& o) { return SetFlag(o.controller.status.chromatographLink, false); }},
    {"--no-moisture-link", "", "no link to the moisture meter",
     [](Options& o) { return SetFlag(o.controller.status.moistureLink, false); }},
    {"--functions", "N",
     "functions available: bit 0 summer/winter time change,\n"
     "bit 1 exchange with flow computers (default 3)",
     NumberSetter{0, 3, [](Options& o, long v) { o.controller.status.functions = Byte(v); }}},
};

constexpr OptionRow kMessageArchiveOptions[] = {
    {"--interventions", "N", "operator-intervention records held (default 200; 0 empty)",
     NumberSetter{0, kMaxRecords,
                  [](Options& o, long v) { o.controller.interventions.size = Index(v); }}},
    {"--interventions-oldest", "I", " global index of the oldest of them (default 1)",
     NumberSetter{0, kMaxIndex,
                  [](Options& o, long v) { o.controller.interventions.oldestIndex = Index(v); }}},
    {"--diagnostics", "N", "diagnostic records held (default 200; 0 empty)",
     NumberSetter{0, kMaxRecords,
                  [](Options& o, long v) { o.controller.diagnostics.size = Index(v); }}},
    {"--diagnostics-oldest", "I", "global index of the oldest of them (default 1)",
     NumberSetter{0, kMaxIndex,
                  [](Options& o, long v) { o.controller.diagnostics.oldestIndex = Index(v); }}},
};

std::string AddBadDataCrc(Options& o, std::string_view value) {
    return AddSelector(o.controller.data.badCrc, "--bad-data-crc", value);
}

std::string AddMissingData(Options& o, std::string_view value) {
    return AddSelector(o.controller.data.missing, "--missing-data", value);
}

constexpr OptionRow kDataArchiveOptions[] = {
    {"--data-start", "\"YY-MM-DD HH:MM:SS\"",
     "\nthe archives began at this time (table 27; default five\n"
     "years before the clock's start, at the contract hour)",
     SetDataStart},
    {"--empty-data-archive", "A", "archive A (min, hour or day) holds nothing (repeat for more)",
     SetEmptyDataArchive},
    {"--data-status", "SEL=BYTE",
     "the records SEL carry this state/status byte (decimal or\n"
     "0x..: 0x02, 0x20, 0x80, 0x22 chromatograph, 0x04 moisture)",
     AddDataStatus},
    {"--bad-data-crc", "SEL", "the records SEL have a wrong checksum", AddBadDataCrc},
    {"--missing-data", "SEL", "the archive skips the slots SEL", AddMissingData},
    {"--repeat-data-replies", "",
     "after the first reply, every reply to an archive repeats\n"
     "the records of the previous one",
     [](Options& o) { return SetFlag(o.controller.data.repeatReplies, true); }},
    {"--day-date-shift", "N",
     "daily records carry the date of the gas day N days away\n"
     "(-1 or 1); requests still select by the gas day",
     NumberSetter{
         -1, 1, [](Options& o, long v) { o.controller.data.dayDateShift = static_cast<int>(v); }}},
};

constexpr OptionRow kFaultOptions[] = {
    {"--short-batch", "N", "at most N records in one archive reply",
     NumberSetter{0, 11,
                  [](Options& o, long v) {
                      o.controller.interventions.shortBatch = static_cast<int>(v);
                      o.controller.diagnostics.shortBatch = static_cast<int>(v);
                  }}},
    {"--bad-record-crc", "I", "the record of global index I has a wrong checksum",
     NumberSetter{0, kMaxIndex,
                  [](Options& o, long v) {
                      o.controller.interventions.badCrcIndex = Index(v);
                      o.controller.diagnostics.badCrcIndex = Index(v);
                  }}},
    {"--archive-error", "", "every reply by period reports an error in the archive",
     [](Options& o) {
         o.controller.interventions.errorFlag = true;
         o.controller.diagnostics.errorFlag = true;
         return std::string();
     }},
    {"--noise", "N", "N random bytes before each reply",
     NumberSetter{0, 10'000, [](Options& o, long v) { o.faults.noise = static_cast<int>(v); }}},
    {"--bad-crc", "N", "damage the checksum of the first N replies",
     NumberSetter{0, kMaxCount, [](Options& o, long v) { o.faults.badCrc = static_cast<int>(v); }}},
    {"--silent", "", "never answer", [](Options& o) { return SetFlag(o.faults.silent, true); }},
    {"--drop-every", "K", "ignore every K-th request",
     NumberSetter{0, kMaxCount,
                  [](Options& o, long v) { o.faults.dropEvery = static_cast<int>(v); }}},
    {"--reply-delay", "MS", "wait before each reply",
     NumberSetter{0, kMaxMillis,
                  [](Options& o, long v) { o.faults.replyDelayMs = static_cast<int>(v); }}},
    {"--late-reply", "N|*N",
     "answer the N-th archive request (functions 7, 8, 14, 15,\n"
     "16, counted from 1), or every N-th, --late-by MS later\n"
     "still: given a client's timeout plus a margin, the reply\n"
     "meets the client's retry or next request",
     SetLateReply},
    {"--late-by", "MS", "",
     NumberSetter{1, kMaxMillis,
                  [](Options& o, long v) { o.faults.lateByMs = static_cast<int>(v); }}},
    {"--gap", "MS", "pause in the middle of each reply",
     NumberSetter{0, kMaxMillis, [](Options& o, long v) { o.faults.gapMs = static_cast<int>(v); }}},
    {"--line-baud", "B", "send replies at the pace of a B bit/s line",
     NumberSetter{0, 4'000'000,
                  [](Options& o, long v) { o.faults.lineBaud = static_cast<int>(v); }}},
    {"--seed", "N", "seed of the noise and of the data archives' values",
     NumberSetter{0, std::numeric_limits<long>::max(),
                  [](Options& o, long v) {
                      o.faults.seed = static_cast<std::uint64_t>(v);
                      o.controller.data.seed = static_cast<std::uint64_t>(v);
                  }}},
};

constexpr OptionRow kOtherOptions[] = {
    {"--verbose", "", "trace requests and replies on stderr",
     [](Options& o) { return SetFlag(o.verbose, true); }},
    {"--help", "", "this text", [](Options& o) { return SetFlag(o.help, true); }},
};

constexpr OptionSection kSections[] = {
    {"Transport:", kTransportOptions},
    {"Controller:", kControllerOptions},
    {"Current state (tables 6, 8, 9, 16, 18, 33, 34, 35):", kStateOptions,
     "The signs last changed 25 minutes before the controller's clock started."},
    {"Message archives (records every 10 minutes from 01.03.24 00:00:00):", kMessageArchiveOptions},
    {"Data archives (runs 1 and 2 and the moisture meter, made from the clock: 3-minute\n"
     "records over the last two months, hours over the last year, gas days from the\n"
     "contract hour of table 6 over the last four years; values drift with --seed):",
     kDataArchiveOptions,
     "SEL is ARCHIVE/SOURCE/WHEN: ARCHIVE min, hour or day; SOURCE run1, run2 or\n"
     "moisture; WHEN the slot \"YY-MM-DD HH:MM\" (days: \"YY-MM-DD\") or *N, every slot\n"
     "whose number is a multiple of N (slots counted from 01.01.00 00:00, so\n"
     "min/run1/*20 is every full hour); repeat each for more."},
    {"Faults:", kFaultOptions},
    {"Other:", kOtherOptions},
};

constexpr std::string_view kUsageHead =
    "usage: zor06-sim (--tcp [HOST:]PORT | --pty [--link PATH] | --serial DEV) [options]\n"
    "\n"
    "A simulated gas-quality controller. Prints one line once it serves:\n"
    "  TCP HOST:PORT | PTY /dev/pts/N | SERIAL DEV\n"
    "and serves until SIGTERM or SIGINT.\n"
    "\n";

const OptionRow* Find(std::string_view name) {
    for (const OptionSection& section : kSections) {
        for (const OptionRow& row : section.options) {
            if (row.name == name) {
                return &row;
            }
        }
    }
    return nullptr;
}

// Applies one option; `value` is set for --name=value, else the next argument is taken.
std::string Apply(Options& o, std::string_view name, std::optional<std::string_view> value,
                  std::span<const std::string_view>& rest) {
    const OptionRow* row = Find(name);
    if (row == nullptr) {
        return "unknown option " + std::string(name);
    }
    if (const auto* flag = std::get_if<FlagSetter>(&row->apply)) {
        return value ? std::string(name) + " takes no value" : (*flag)(o);
    }
    if (!value) {
        if (rest.empty()) {
            return std::string(name) + " needs a value";
        }
        value = rest.front();
        rest = rest.subspan(1);
    }
    if (const auto* text = std::get_if<TextSetter>(&row->apply)) {
        return (*text)(o, *value);
    }
    const NumberSetter& number = std::get<NumberSetter>(row->apply);
    const std::optional<long> n = ParseNumber(*value);
    if (!n || *n < number.min || *n > number.max) {
        return std::string(name) + " takes a number " + std::to_string(number.min) + ".." +
               std::to_string(number.max);
    }
    number.set(o, *n);
    return {};
}

std::string CheckFleet(const Options& o) {
    if (o.fleet == 0) {
        return o.fleetSubscribers.empty() ? std::string() : "--fleet-subscribers goes with --fleet";
    }
    if (o.transport != Transport::Tcp) {
        return "--fleet goes with --tcp";
    }
    const long last = o.fleet - 1;
    if (o.tcpPort != 0 && o.tcpPort + last > 65535) {
        return "--fleet " + std::to_string(o.fleet) + ": the ports from " +
               std::to_string(o.tcpPort) + " on run past 65535";
    }
    if (o.controller.address + last > 254) {
        return "--fleet " + std::to_string(o.fleet) + ": the addresses from " +
               std::to_string(o.controller.address) + " on run past 254";
    }
    if (!o.fleetSubscribers.empty() && !SubscriberIp(o.tcpHost)) {
        return "--fleet-subscribers needs --tcp with an IPv4 address as HOST";
    }
    if (!o.fleetSubscribers.empty() && o.controller.address == 0) {
        return "--fleet-subscribers: a subscriber's address is 1..255, not 0";
    }
    return {};
}

std::string CheckCombination(Options& o) {
    if (std::string fleet = CheckFleet(o); !fleet.empty()) {
        return fleet;
    }
    if (o.transport == Transport::None) {
        return "choose one of --tcp, --pty and --serial";
    }
    if (!o.linkPath.empty() && o.transport != Transport::Pty) {
        return "--link goes with --pty";
    }
    if (o.modem.enabled && o.transport != Transport::Pty) {
        return "--modem goes with --pty";
    }
    if (!o.modem.enabled && !(o.modem == ModemOptions{})) {
        return "--modem-result, --modem-silent and --modem-cpas go with --modem";
    }
    if ((o.faults.lateRequest > 0 || o.faults.lateEvery > 0) != (o.faults.lateByMs > 0)) {
        return "--late-reply and --late-by go together";
    }
    if (o.baud != 0 && o.transport == Transport::Tcp) {
        return "--baud goes with --pty or --serial";
    }
    for (const int t : o.controller.destroyedTables) {
        if (tables::Table(t).fieldCount == 0) {
            return "--destroyed: the controller has no table " + std::to_string(t);
        }
    }
    if (o.transport == Transport::Serial && o.baud == 0) {
        o.baud = kDefaultSerialBaud;
    }
    return {};
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string_view> args) {
    ParsedOptions parsed;
    while (!args.empty() && parsed.error.empty()) {
        std::string_view name = args.front();
        args = args.subspan(1);
        std::optional<std::string_view> value;
        if (const std::size_t eq = name.find('='); eq != std::string_view::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        parsed.error = Apply(parsed.options, name, value, args);
    }
    if (parsed.error.empty() && !parsed.options.help) {
        parsed.error = CheckCombination(parsed.options);
    }
    return parsed;
}

std::string_view Usage() {
    static const std::string usage = [] {
        std::string text(kUsageHead);
        for (const OptionSection& section : kSections) {
            text += SectionHelp(section);
        }
        return text;
    }();
    return usage;
}

}  // namespace zor06::sim
