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

namespace zor06::sim {
namespace {

constexpr int kDefaultSerialBaud = 9600;

// Text and flag setters return an error message, empty when the value was taken.
using NumberSetter = void (*)(Options&, long);
using TextSetter = std::string (*)(Options&, std::string_view);
using FlagSetter = std::string (*)(Options&);

struct NumberOption {
    std::string_view name;
    long min;
    long max;
    NumberSetter set;
};

struct TextOption {
    std::string_view name;
    TextSetter set;
};

struct FlagOption {
    std::string_view name;
    FlagSetter set;
};

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

constexpr NumberOption kNumberOptions[] = {
    {"--baud", platform::kMinBaud, platform::kMaxBaud,
     [](Options& o, long v) { o.baud = static_cast<int>(v); }},
    {"--address", 0, 254, [](Options& o, long v) { o.controller.address = Byte(v); }},
    {"--type", 0, 255, [](Options& o, long v) { o.controller.type = Byte(v); }},
    {"--version", 0, 255, [](Options& o, long v) { o.controller.version = Byte(v); }},
    {"--destroyed", 1, tables::kTableCount - 1,
     [](Options& o, long v) { o.controller.destroyedTables.push_back(Byte(v)); }},
    {"--chromatograph-type", 0, 255,
     [](Options& o, long v) { o.controller.chromatographType = Byte(v); }},
    {"--runs", 0, 255, [](Options& o, long v) { o.controller.runs = Byte(v); }},
    {"--chromatograph-clock-offset", -kMaxClockOffset, kMaxClockOffset,
     [](Options& o, long v) { o.controller.chromatographClockOffset = v; }},
    {"--flow-computers", 0, 255,
     [](Options& o, long v) { o.controller.status.flowComputers = Byte(v); }},
    {"--flow-computer-offline", 1, 16,
     [](Options& o, long v) { o.controller.status.flowComputersOffline.push_back(Byte(v)); }},
    {"--chromatograph-error", 0, 255,
     [](Options& o, long v) { o.controller.status.chromatographError = Byte(v); }},
    {"--moisture-error", 0, 255,
     [](Options& o, long v) { o.controller.status.moistureError = Byte(v); }},
    {"--abnormal-runs", 0, 3,
     [](Options& o, long v) { o.controller.status.abnormalRuns = Byte(v); }},
    {"--functions", 0, 3, [](Options& o, long v) { o.controller.status.functions = Byte(v); }},
    {"--noise", 0, 10'000, [](Options& o, long v) { o.faults.noise = static_cast<int>(v); }},
    {"--bad-crc", 0, kMaxCount, [](Options& o, long v) { o.faults.badCrc = static_cast<int>(v); }},
    {"--drop-every", 0, kMaxCount,
     [](Options& o, long v) { o.faults.dropEvery = static_cast<int>(v); }},
    {"--reply-delay", 0, kMaxMillis,
     [](Options& o, long v) { o.faults.replyDelayMs = static_cast<int>(v); }},
    {"--gap", 0, kMaxMillis, [](Options& o, long v) { o.faults.gapMs = static_cast<int>(v); }},
    {"--late-by", 1, kMaxMillis,
     [](Options& o, long v) { o.faults.lateByMs = static_cast<int>(v); }},
    {"--line-baud", 0, 4'000'000,
     [](Options& o, long v) { o.faults.lineBaud = static_cast<int>(v); }},
    {"--interventions", 0, kMaxRecords,
     [](Options& o, long v) { o.controller.interventions.size = Index(v); }},
    {"--interventions-oldest", 0, kMaxIndex,
     [](Options& o, long v) { o.controller.interventions.oldestIndex = Index(v); }},
    {"--diagnostics", 0, kMaxRecords,
     [](Options& o, long v) { o.controller.diagnostics.size = Index(v); }},
    {"--diagnostics-oldest", 0, kMaxIndex,
     [](Options& o, long v) { o.controller.diagnostics.oldestIndex = Index(v); }},
    {"--short-batch", 0, 11,
     [](Options& o, long v) {
         o.controller.interventions.shortBatch = static_cast<int>(v);
         o.controller.diagnostics.shortBatch = static_cast<int>(v);
     }},
    {"--bad-record-crc", 0, kMaxIndex,
     [](Options& o, long v) {
         o.controller.interventions.badCrcIndex = Index(v);
         o.controller.diagnostics.badCrcIndex = Index(v);
     }},
    {"--day-date-shift", -1, 1,
     [](Options& o, long v) { o.controller.data.dayDateShift = static_cast<int>(v); }},
    {"--modem-cpas", 0, 9, [](Options& o, long v) { o.modem.cpas = static_cast<int>(v); }},
    {"--seed", 0, std::numeric_limits<long>::max(),
     [](Options& o, long v) {
         o.faults.seed = static_cast<std::uint64_t>(v);
         o.controller.data.seed = static_cast<std::uint64_t>(v);
     }},
};

std::string SetModemResult(Options& o, std::string_view value) {
    o.modem.dialResult = value;
    if (!IsDialResult(o.modem.dialResult)) {
        return "--modem-result takes CONNECT, NO DIALTONE, BUSY, NO CARRIER, ERROR or NO ANSWER";
    }
    return {};
}

constexpr TextOption kTextOptions[] = {
    {"--modem-result", SetModemResult},
    {"--late-reply", SetLateReply},
    {"--tcp", SetTcp},
    {"--link",
     [](Options& o, std::string_view v) {
         o.linkPath = v;
         return std::string();
     }},
    {"--serial",
     [](Options& o, std::string_view v) {
         o.serialDevice = v;
         return ChooseTransport(o, Transport::Serial);
     }},
    {"--password", SetPassword},
    {"--now", SetNow},
    {"--data-start", SetDataStart},
    {"--empty-data-archive", SetEmptyDataArchive},
    {"--data-status", AddDataStatus},
    {"--bad-data-crc",
     [](Options& o, std::string_view v) {
         return AddSelector(o.controller.data.badCrc, "--bad-data-crc", v);
     }},
    {"--missing-data",
     [](Options& o, std::string_view v) {
         return AddSelector(o.controller.data.missing, "--missing-data", v);
     }},
};

constexpr FlagOption kFlagOptions[] = {
    {"--pty", [](Options& o) { return ChooseTransport(o, Transport::Pty); }},
    {"--modem", [](Options& o) { return SetFlag(o.modem.enabled, true); }},
    {"--modem-silent", [](Options& o) { return SetFlag(o.modem.silent, true); }},
    {"--archive-error",
     [](Options& o) {
         o.controller.interventions.errorFlag = true;
         o.controller.diagnostics.errorFlag = true;
         return std::string();
     }},
    {"--frozen-clock", [](Options& o) { return SetFlag(o.controller.frozenClock, true); }},
    {"--repeat-data-replies",
     [](Options& o) { return SetFlag(o.controller.data.repeatReplies, true); }},
    {"--cp866",
     [](Options& o) {
         o.controller.cp866 = true;
         return std::string();
     }},
    {"--moisture-meter",
     [](Options& o) { return SetFlag(o.controller.status.moistureMeter, true); }},
    {"--flow-exchange-fault",
     [](Options& o) { return SetFlag(o.controller.status.flowExchangeFault, true); }},
    {"--self-diagnostics-fault",
     [](Options& o) { return SetFlag(o.controller.status.selfDiagnosticsFault, true); }},
    {"--no-chromatograph-link",
     [](Options& o) { return SetFlag(o.controller.status.chromatographLink, false); }},
    {"--no-moisture-link",
     [](Options& o) { return SetFlag(o.controller.status.moistureLink, false); }},
    {"--silent",
     [](Options& o) {
         o.faults.silent = true;
         return std::string();
     }},
    {"--verbose",
     [](Options& o) {
         o.verbose = true;
         return std::string();
     }},
    {"--help",
     [](Options& o) {
         o.help = true;
         return std::string();
     }},
};

template <typename Option, std::size_t N>
const Option* Find(const Option (&options)[N], std::string_view name) {
    for (const Option& option : options) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

// Applies one option; `value` is set for --name=value, else the next argument is taken.
std::string Apply(Options& o, std::string_view name, std::optional<std::string_view> value,
                  std::span<const std::string_view>& rest) {
    if (const FlagOption* flag = Find(kFlagOptions, name)) {
        return value ? std::string(name) + " takes no value" : flag->set(o);
    }
    const NumberOption* number = Find(kNumberOptions, name);
    const TextOption* text = Find(kTextOptions, name);
    if (number == nullptr && text == nullptr) {
        return "unknown option " + std::string(name);
    }
    if (!value) {
        if (rest.empty()) {
            return std::string(name) + " needs a value";
        }
        value = rest.front();
        rest = rest.subspan(1);
    }
    if (text != nullptr) {
        return text->set(o, *value);
    }
    const std::optional<long> n = ParseNumber(*value);
    if (!n || *n < number->min || *n > number->max) {
        return std::string(name) + " takes a number " + std::to_string(number->min) + ".." +
               std::to_string(number->max);
    }
    number->set(o, *n);
    return {};
}

std::string CheckCombination(Options& o) {
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
    return R"(usage: zor06-sim (--tcp [HOST:]PORT | --pty [--link PATH] | --serial DEV) [options]

A simulated gas-quality controller. Prints one line once it serves:
  TCP HOST:PORT | PTY /dev/pts/N | SERIAL DEV
and serves until SIGTERM or SIGINT.

Transport:
  --tcp [HOST:]PORT       listen on TCP (host 127.0.0.1, port 0 picks a free one)
  --pty                   serve a new pseudo-terminal
  --link PATH             with --pty: symlink PATH to the terminal, removed at exit
  --serial DEV            serve a serial device
  --modem                 with --pty: a Hayes modem answers the line (ATE, ATV, AT+CPAS,
                          ATD..., ATH, "+++" framed by 1 s of silence); after CONNECT
                          the line reaches the controller until "+++" or the line closes
  --modem-result TEXT     the dial answers TEXT instead of CONNECT: NO DIALTONE, BUSY,
                          NO CARRIER, ERROR or NO ANSWER
  --modem-silent          the modem never answers
  --modem-cpas N          AT+CPAS reports activity N (default 0, ready; 3 ringing)
  --baud N                serial speed (default 9600); with --pty: answer only while
                          the client has set the line to N bit/s
Controller:
  --address N             address 0..254 (default 1)
  --type N                controller type (default 73)
  --version N             software version (default 6)
  --destroyed T           report table T as destroyed until every field of it was
                          written again (repeat for more tables); a destroyed table 4
                          takes writes with blank credentials only
  --cp866                 names in code page 866 instead of Windows-1251
  --password TEXT         writes and clock corrections pass with this password
                          alone (a shortcut for tests); without it they need the
                          password and code of a registered user of table 4:
                            НАЛ   Производитель-наладчик  code 1  no password
                            АДМ   Администратор           code 2  password 2222
                            ОПЕР  Оператор                code 4  password 4444
  --now "YY-MM-DD HH:MM:SS"  start the controller's clock at this local time
  --chromatograph-type N  (default 3)
  --chromatograph-clock-offset S
                          the chromatograph's clock (table 42) runs S seconds ahead
                          of the controller's (negative: behind)
  --runs N                runs in use: bit 0 run 1, bit 1 run 2 (default 3)
  --frozen-clock          the clock stands still: table 2 always reads the same time
Current state (tables 6, 8, 9, 16, 18, 33, 34, 35):
  --flow-computers N      flow computers connected, 0..255 (default 1); the tables
                          hold 16, a larger count tries the reader's bound
  --flow-computer-offline I
                          flow computer I (1..16) has no link and is not written
                          (repeat for more)
  --moisture-meter        a moisture meter is present (default: none)
  --chromatograph-error C polling the chromatograph fails with code C
  --moisture-error C      polling the moisture meter fails with code C
  --flow-exchange-fault   an abnormal situation in the exchange with flow computers
  --self-diagnostics-fault
                          self-diagnostics found an abnormal situation
  --abnormal-runs N       abnormal monitored values: bit 0 run 1, bit 1 run 2
  --no-chromatograph-link no link to the chromatograph
  --no-moisture-link      no link to the moisture meter
  --functions N           functions available: bit 0 summer/winter time change,
                          bit 1 exchange with flow computers (default 3)
  The signs last changed 25 minutes before the controller's clock started.
Message archives (records every 10 minutes from 01.03.24 00:00:00):
  --interventions N       operator-intervention records held (default 200; 0 empty)
  --interventions-oldest I  global index of the oldest of them (default 1)
  --diagnostics N         diagnostic records held (default 200; 0 empty)
  --diagnostics-oldest I  global index of the oldest of them (default 1)
Data archives (runs 1 and 2 and the moisture meter, made from the clock: 3-minute
records over the last two months, hours over the last year, gas days from the
contract hour of table 6 over the last four years; values drift with --seed):
  --data-start "YY-MM-DD HH:MM:SS"
                          the archives began at this time (table 27; default five
                          years before the clock's start, at the contract hour)
  --empty-data-archive A  archive A (min, hour or day) holds nothing (repeat for more)
  --data-status SEL=BYTE  the records SEL carry this state/status byte (decimal or
                          0x..: 0x02, 0x20, 0x80, 0x22 chromatograph, 0x04 moisture)
  --bad-data-crc SEL      the records SEL have a wrong checksum
  --missing-data SEL      the archive skips the slots SEL
  --repeat-data-replies   after the first reply, every reply to an archive repeats
                          the records of the previous one
  --day-date-shift N      daily records carry the date of the gas day N days away
                          (-1 or 1); requests still select by the gas day
  SEL is ARCHIVE/SOURCE/WHEN: ARCHIVE min, hour or day; SOURCE run1, run2 or
  moisture; WHEN the slot "YY-MM-DD HH:MM" (days: "YY-MM-DD") or *N, every slot
  whose number is a multiple of N (slots counted from 01.01.00 00:00, so
  min/run1/*20 is every full hour); repeat each for more.
Faults:
  --short-batch N         at most N records in one archive reply
  --bad-record-crc I      the record of global index I has a wrong checksum
  --archive-error         every reply by period reports an error in the archive
  --noise N               N random bytes before each reply
  --bad-crc N             damage the checksum of the first N replies
  --silent                never answer
  --drop-every K          ignore every K-th request
  --reply-delay MS        wait before each reply
  --late-reply N|*N       answer the N-th archive request (functions 7, 8, 14, 15,
                          16, counted from 1), or every N-th, --late-by MS later
                          still: given a client's timeout plus a margin, the reply
                          meets the client's retry or next request
  --gap MS                pause in the middle of each reply
  --line-baud B           send replies at the pace of a B bit/s line
  --seed N                seed of the noise and of the data archives' values
Other:
  --verbose               trace requests and replies on stderr
  --help                  this text
)";
}

}  // namespace zor06::sim
