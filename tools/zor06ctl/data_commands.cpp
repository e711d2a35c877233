// The chromatograph's and the moisture meter's data archives from the command line: the bounds,
// the readings as the menu commands make them, and saved data files.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "gasdata/archive_bounds.h"
#include "gasdata/data_file.h"
#include "gasdata/data_reading.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/data_output.h"
#include "zor06ctl/data_period.h"
#include "zor06ctl/reading_exit.h"
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
    const auto period = DataPeriodOf(s.cl.data, &error);
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
    const messages::ReadingEnd end = gasdata::ReadDataArchive(ctx, kind, run);
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

}  // namespace

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
    if (!archive || s.cl.data.run == 0) {
        return UsageError("chromatograph takes 3min, hour or day and --run 1|2", s.cl.command);
    }
    return ReadData(s, kChrKinds[*archive], s.cl.data.run - 1);
}

int RunMoisture(Session& s) {
    if (s.cl.args.size() == 1 && s.cl.args[0] == "momentary") {
        return RunMoistureMomentary(s);
    }
    const auto archive = s.cl.args.size() == 1 ? ArchiveIndex(s.cl.args[0]) : std::nullopt;
    if (!archive || s.cl.data.run != 0) {
        return UsageError("moisture takes momentary, 3min, hour or day (and no --run)",
                          s.cl.command);
    }
    return ReadData(s, kWmtKinds[*archive], 0);
}

int RunShowData(Session& s) {
    if (s.cl.args.size() != 1 || !s.cl.out.empty()) {
        return UsageError("show-data takes one saved data file", s.cl.command);
    }
    const std::filesystem::path path = s.cl.args[0];
    const auto kind = KindOfFile(path);
    if (!kind) {
        return UsageError("show-data takes a file ending in .mch, .hch, .dch, .mwm, .hwm or .dwm",
                          s.cl.command);
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

}  // namespace zor06::ctl
