// One collection pass over the work directory's subscribers into the collection database.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "collect/collection_pass.h"
#include "collect/collection_targets.h"
#include "settings/work_dir.h"
#include "zor06ctl/collection_report.h"
#include "zor06ctl/database_option.h"
#include "zor06ctl/message_dates.h"

namespace zor06::ctl {
namespace {

constexpr int kDefaultJobs = 8;
constexpr int kMostJobs = 64;

std::optional<bytes::ControllerDateTime> ParseSince(const std::string& text) {
    return ParseMessageDate(text.find(' ') == std::string::npos ? text + " 00:00" : text);
}

std::string SinceDate(std::string_view name, std::string_view value) {
    return ParseSince(std::string(value)) ? std::string() : std::string(name) + " takes DD.MM.YY";
}

std::string JobCount(std::string_view name, std::string_view value) {
    int jobs = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), jobs);
    if (ec != std::errc() || end != value.data() + value.size() || jobs < 1 || jobs > kMostJobs) {
        return std::string(name) + " takes a number from 1 to " + std::to_string(kMostJobs);
    }
    return {};
}

std::vector<std::string> Names(const std::string& list) {
    std::vector<std::string> names;
    std::size_t from = 0;
    while (from <= list.size() && !list.empty()) {
        const std::size_t comma = std::min(list.find(',', from), list.size());
        names.push_back(list.substr(from, comma - from));
        from = comma + 1;
    }
    return names;
}

int RunCollect(Session& s) {
    if (!s.cl.args.empty()) {
        return UsageError("collect takes no arguments", s.cl.command);
    }
    const std::string jobsText = s.cl.ValueOf({"--jobs"});
    const int jobs = jobsText.empty() ? kDefaultJobs : std::stoi(jobsText);
    const std::string sinceText = s.cl.ValueOf({"--since"});
    const std::optional<bytes::ControllerDateTime> since =
        sinceText.empty() ? std::nullopt : ParseSince(sinceText);
    const auto workDir = WorkDirectory(s);
    if (!workDir) {
        return kExitFailed;
    }
    const settings::ProgramSettings program = LoadWorkDirSettings(s, *workDir);
    std::string error;
    const auto targets =
        collect::CollectionTargets(program, Names(s.cl.ValueOf({"--stations"})), &error);
    if (!targets) {
        return UsageError(error, s.cl.command);
    }
    if (targets->empty()) {
        std::fprintf(stderr, "%s lists no subscribers to collect from\n",
                     settings::IniDir(*workDir).string().c_str());
        return kExitFailed;
    }
    const auto store = OpenDatabase(s);
    if (!store) {
        return kExitFailed;
    }
    const auto progress = [&s](const collect::StationReport& report) {
        if (s.cl.verbose) {
            std::fprintf(stderr, "%s: %s\n", report.station.c_str(), report.outcome.c_str());
        }
    };
    const std::vector<collect::StationReport> reports =
        collect::CollectPass(*targets, {program, since}, *store, jobs, progress);
    std::fputs(StationReportsText(reports, s.cl.json).c_str(), stdout);
    const bool all = std::ranges::all_of(reports, &collect::StationReport::ok);
    return all ? kExitOk : kExitFailed;
}

constexpr Synopsis kCollectSynopsis[] = {
    {"collect [--db URI] [--since DD.MM.YY] [--stations NAME,...] [--jobs N]\n"
     "[--json]",
     "collect new records from every station"},
};

constexpr Option kCollectOptions[] = {
    kDbOption,
    {.name = "--since", .value = "DD.MM.YY", .check = SinceDate},
    {.name = "--stations", .value = "NAME,...", .check = NeedsValue},
    {.name = "--jobs", .value = "N", .check = JobCount},
};

}  // namespace

constinit const Command kCollectCommand{
    .name = "collect",
    .synopsis = kCollectSynopsis,
    .help =
        "zor06ctl [--workdir DIR] collect [--db URI] [--since DD.MM.YY]\n"
        "         [--stations NAME,NAME...] [--jobs N] [--json]\n"
        "  One collection pass over the subscribers of the work directory: every\n"
        "  Ethernet subscriber (INI/ethr_abonents.ini), up to N at once (default 8), and\n"
        "  every telephone subscriber (INI/fon_abonents.ini) through the modem of the\n"
        "  telephone link of INI/conn.ini, one call at a time; --stations only those\n"
        "  named. Each station: connect, identify, then read what is new in each archive\n"
        "  (the messages by index, the data of each run in use and of a fitted moisture\n"
        "  meter) since the newest record the database holds; the first time since\n"
        "  --since, or from the archive's oldest record. Nothing is written to a\n"
        "  controller.\n"
        "  --db: sqlite:PATH (default sqlite:DIR/zor06.sqlite) or a PostgreSQL URI\n"
        "  (postgresql://...; a password from the URI, ~/.pgpass or PGPASSWORD).\n"
        "  Prints one line per station: NAME<TAB>ok or why it failed<TAB>the new\n"
        "  records per archive (ARCHIVE=N, a run as ARCHIVE:RUN=N)<TAB>the seconds it\n"
        "  took; --json one array of objects {station, ok, outcome, records, seconds,\n"
        "  line_bytes}. Exit 0 when every station was collected, 1 when some failed\n"
        "  (the others are collected and stored), 2 for bad arguments.\n",
    .run = RunCollect,
    .options = kCollectOptions,
};

}  // namespace zor06::ctl
