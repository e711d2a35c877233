// The chromatograph's and the moisture meter's data archives from the command line: the bounds,
// the readings as the menu commands make them, and saved data files.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "gasdata/archive_bounds.h"
#include "gasdata/data_file.h"
#include "gasdata/data_reading.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/data_output.h"
#include "zor06ctl/data_period.h"
#include "zor06ctl/reading_exit.h"
#include "zor06ctl/shared_options.h"
#include "zor06ctl/work_folder.h"

namespace zor06::ctl {
namespace {

using gasdata::DataKind;

// By the archive argument: 3min, hour, day.
constexpr std::array<const char*, 3> kArchiveNames{"3min", "hour", "day"};
constexpr std::array<DataKind, 3> kChrKinds{DataKind::ChrMinute, DataKind::ChrHour,
                                            DataKind::ChrDay};
constexpr std::array<DataKind, 3> kWmtKinds{DataKind::WmtMinute, DataKind::WmtHour,
                                            DataKind::WmtDay};

std::optional<std::size_t> ArchiveIndex(const std::string& name) {
    const auto it = std::ranges::find(kArchiveNames, name);
    if (it == kArchiveNames.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(it - kArchiveNames.begin());
}

// One reading of `kind`, run 0 or 1, for the period of the options.
int ReadData(Session& s, DataKind kind, int run) {
    std::string error;
    const auto period = DataPeriodOf(DataOptionsOf(s.cl), &error);
    if (!period) {
        return UsageError(error, s.cl.command);
    }
    if (!MayWriteDataOutputs(s.cl, kind)) {
        return kExitUsage;
    }
    const auto settings = LoadDataSettings(s);
    // The names and the serial number the data set's header takes come from the identification
    // that precedes every reading in the program.
    if (!settings || !ConnectAndIdentify(s)) {
        return kExitFailed;
    }
    const platform::TemporaryFolder folder("zor06ctl-data", {gasdata::kWorkFile});
    if (!WorkFolderMade(s, folder)) {
        return kExitFailed;
    }
    std::optional<gasdata::DataSet> read;
    gasdata::DataReadingContext ctx{s.tables, folder.Path(),
                                    [&](gasdata::Step step, const gasdata::ArchiveBounds& bounds,
                                        const bytes::ControllerDateTime& now) {
                                        return ChooseDataPeriod(*period, step, bounds, now, s.op);
                                    },
                                    [&read](const gasdata::DataSet& set) { read = set; }};
    const archive::ReadingEnd end = gasdata::ReadDataArchive(ctx, kind, run);
    if (!read) {
        return kExitFailed;
    }
    return ReadingExit(PutDataSet(s, *read, *settings), end);
}

std::optional<DataKind> KindOfFile(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return std::tolower(c); });
    for (const auto& kinds : {kChrKinds, kWmtKinds}) {
        for (const DataKind kind : kinds) {
            if (ext == gasdata::KindOf(kind).extension) {
                return kind;
            }
        }
    }
    return std::nullopt;
}

int RunBounds(Session& s) {
    const auto archive = s.cl.args.size() == 1 ? ArchiveIndex(s.cl.args[0]) : std::nullopt;
    if (!archive) {
        return UsageError("bounds takes 3min, hour or day", s.cl.command);
    }
    const gasdata::Step step = gasdata::KindOf(kChrKinds[*archive]).step;
    if (!ConnectLink(s)) {
        return kExitFailed;
    }
    const auto reading = gasdata::GetArchiveBounds(s.tables, step);
    if (!reading) {
        return kExitFailed;
    }
    // As the period dialog offers them: to the hour for hourly data, to the day for daily data.
    const auto print = [step](const char* label, const messages::Date5& d) {
        const int hour = step == gasdata::Step::Day ? 0 : d[3];
        const int minute = step == gasdata::Step::ThreeMinutes ? d[4] : 0;
        std::printf("%s\t%02d.%02d.%02d %02d:%02d\n", label, d[2], d[1], d[0], hour, minute);
    };
    print("oldest", reading->bounds.oldest);
    print("newest", reading->bounds.newest);
    return kExitOk;
}

int RunChromatograph(Session& s) {
    const auto archive = s.cl.args.size() == 1 ? ArchiveIndex(s.cl.args[0]) : std::nullopt;
    if (!archive || RunOf(s.cl) == 0) {
        return UsageError("chromatograph takes 3min, hour or day and --run 1|2", s.cl.command);
    }
    if (const std::string refusal = IsoCheckRefusal(s.cl, kChrKinds[*archive]); !refusal.empty()) {
        return UsageError(refusal, s.cl.command);
    }
    return ReadData(s, kChrKinds[*archive], RunOf(s.cl) - 1);
}

int RunMoisture(Session& s) {
    if (s.cl.args.size() == 1 && s.cl.args[0] == "momentary") {
        return RunMoistureMomentary(s);
    }
    const auto archive = s.cl.args.size() == 1 ? ArchiveIndex(s.cl.args[0]) : std::nullopt;
    if (!archive || RunOf(s.cl) != 0) {
        return UsageError("moisture takes momentary, 3min, hour or day (and no --run)",
                          s.cl.command);
    }
    return ReadData(s, kWmtKinds[*archive], 0);
}

int RunShowData(Session& s) {
    if (s.cl.args.size() != 1 || !SaveFileOf(s.cl).empty()) {
        return UsageError("show-data takes one saved data file", s.cl.command);
    }
    const std::filesystem::path path = s.cl.args[0];
    const auto kind = KindOfFile(path);
    if (!kind) {
        return UsageError("show-data takes a file ending in .mch, .hch, .dch, .mwm, .hwm or .dwm",
                          s.cl.command);
    }
    if (const std::string refusal = IsoCheckRefusal(s.cl, *kind); !refusal.empty()) {
        return UsageError(refusal, s.cl.command);
    }
    if (!MayWriteDataOutputs(s.cl, *kind)) {
        return kExitUsage;
    }
    const auto settings = LoadDataSettings(s);
    if (!settings) {
        return kExitFailed;
    }
    const auto set = gasdata::ReadDataFile(path, *kind, s.op);
    if (!set) {
        return kExitFailed;
    }
    return PutDataSet(s, *set, *settings);
}

// The chromatograph and the moisture meter share one help.
constexpr std::string_view kDataReadingHelp =
    "zor06ctl [LINK] chromatograph 3min|hour|day --run 1|2 PERIOD [OUTPUT]\n"
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

constexpr Synopsis kBoundsSynopsis[] = {
    {"bounds 3min|hour|day",
     "the data archive's period: \"oldest<TAB>DD.MM.YY\n"
     "HH:MM\" and \"newest<TAB>...\""},
};

constexpr Synopsis kChromatographSynopsis[] = {
    {"chromatograph 3min|hour|day --run 1|2 (--from DATE --to DATE | --last-day |\n"
     "--last-month) [--save F] [--xlsx F] [--pdf F] [--json|--csv] [--iso-check]",
     "read a chromatograph archive, one line per row"},
};

constexpr Synopsis kMoistureSynopsis[] = {
    {"moisture 3min|hour|day (the same period options) [--save F] [--xlsx F]\n"
     "[--pdf F] [--json|--csv]",
     "read a moisture-meter archive"},
    {"moisture momentary", "the momentary values, \"LABEL<TAB>VALUE\" lines"},
};

// The moisture meter's readings take no run; they read --run only to refuse it.
constexpr Option kDataReadingOptions[] = {
    kRunOption,  kFromOption, kToOption,   kLastDayOption, kLastMonthOption,
    kSaveOption, kOutOption,  kXlsxOption, kPdfOption,
};
constexpr Option kChromatographOptions[] = {
    kRunOption,  kFromOption, kToOption,   kLastDayOption, kLastMonthOption,
    kSaveOption, kOutOption,  kXlsxOption, kPdfOption,     kIsoCheckOption,
};

constexpr Synopsis kShowDataSynopsis[] = {
    {"show-data F [--xlsx F] [--pdf F] [--json|--csv] [--iso-check]",
     "a saved .mch .hch .dch .mwm .hwm .dwm file's rows"},
};

// --save and --out only to refuse them: the file is saved already.
constexpr Option kShowDataOptions[] = {kSaveOption, kOutOption, kXlsxOption, kPdfOption,
                                       kIsoCheckOption};

}  // namespace

constinit const Command kBoundsCommand{
    .name = "bounds",
    .synopsis = kBoundsSynopsis,
    .help =
        "zor06ctl [LINK] bounds 3min|hour|day\n"
        "  The period of the data archive the period dialog offers, from tables 27, 2\n"
        "  and 6: \"oldest<TAB>DD.MM.YY HH:MM\" and \"newest<TAB>DD.MM.YY HH:MM\" (hourly\n"
        "  data at minute 0, daily data at 00:00).\n",
    .run = RunBounds,
};

constinit const Command kChromatographCommand{
    .name = "chromatograph",
    .synopsis = kChromatographSynopsis,
    .help = kDataReadingHelp,
    .run = RunChromatograph,
    .options = kChromatographOptions,
};

constinit const Command kMoistureCommand{
    .name = "moisture",
    .synopsis = kMoistureSynopsis,
    .help = kDataReadingHelp,
    .run = RunMoisture,
    .options = kDataReadingOptions,
};

constinit const Command kShowDataCommand{
    .name = "show-data",
    .synopsis = kShowDataSynopsis,
    .help =
        "zor06ctl show-data FILE [--xlsx FILE] [--pdf FILE] [--json|--csv] [--iso-check]\n"
        "  A saved data file (.mch .hch .dch chromatograph, .mwm .hwm .dwm moisture\n"
        "  meter, by the extension) printed as the readings print their data; a file\n"
        "  of another kind is refused with the viewing command's message (exit 1).\n",
    .run = RunShowData,
    .options = kShowDataOptions,
};

}  // namespace zor06::ctl
