// Reading the collection database back: the stations, the collection log, and an archive's
// stored records printed as the reading commands print a fresh reading.
#include <cstdio>
#include <string>

#include "collect/record_rows.h"
#include "collect/stored_sets.h"
#include "zor06ctl/collection_report.h"
#include "zor06ctl/data_output.h"
#include "zor06ctl/database_option.h"
#include "zor06ctl/json.h"
#include "zor06ctl/message_dates.h"
#include "zor06ctl/message_rows.h"

namespace zor06::ctl {
namespace {

std::string NewestItem(const store::StationSummary::Newest& n, bool json) {
    const std::string label = CountLabel({n.archive, n.run, 0});
    if (store::IsMessageArchive(n.archive)) {
        return (json ? JsonString(label) + ": " : label + "=") + std::to_string(n.newestIndex);
    }
    return json ? JsonString(label) + ": " + JsonString(n.newest) : label + "=" + n.newest;
}

std::string StationText(const store::StationSummary& s, bool json) {
    std::string newest;
    for (const auto& n : s.newest) {
        AppendItem(newest, json ? ", " : " ", NewestItem(n, json));
    }
    if (!json) {
        return s.station.name + "\t" + s.station.address + "\t" +
               (s.lastSuccess.empty() ? "-" : s.lastSuccess) + "\t" + newest + "\n";
    }
    std::string text = "{\"station\": ";
    text += JsonString(s.station.name) + ", \"address\": " + JsonString(s.station.address) +
            ", \"controller\": " + JsonString(s.station.controllerName) +
            ", \"serial\": " + std::to_string(s.station.serialNumber) +
            ", \"last_success\": " + JsonString(s.lastSuccess) + ", \"newest\": {" + newest + "}}";
    return text;
}

std::string LogText(const store::LogEntry& e, bool json) {
    const std::string counts = CountsText(e.counts, json);
    if (!json) {
        return e.started + "\t" + (e.ended.empty() ? "-" : e.ended) + "\t" + e.station + "\t" +
               (e.outcome.empty() ? "-" : e.outcome) + "\t" + counts + "\t" +
               std::to_string(e.lineBytes) + "\n";
    }
    std::string text = "{\"station\": ";
    text += JsonString(e.station) + ", \"started\": " + JsonString(e.started) +
            ", \"ended\": " + JsonString(e.ended) + ", \"outcome\": " + JsonString(e.outcome) +
            ", \"records\": {" + counts + "}, \"line_bytes\": " + std::to_string(e.lineBytes) + "}";
    return text;
}

// One line per item, or one JSON array of them; the database's message when it failed.
template <class Item>
int PrintList(const store::CollectionStore& db, const std::optional<std::vector<Item>>& items,
              bool json, std::string (*text)(const Item&, bool)) {
    if (!items) {
        std::fprintf(stderr, "%s\n", db.Error().c_str());
        return kExitFailed;
    }
    std::string out;
    for (const Item& item : *items) {
        if (json) {
            AppendItem(out, ",\n ", text(item, true));
        } else {
            out += text(item, false);
        }
    }
    std::fputs((json ? "[" + out + "]\n" : out).c_str(), stdout);
    return kExitOk;
}

std::optional<collect::StoredPeriod> PeriodOf(Session& s) {
    collect::StoredPeriod period;
    for (const auto& [option, date] : {std::pair{"--from", &period.from}, {"--to", &period.to}}) {
        const std::string text = s.cl.ValueOf({option});
        if (!text.empty()) {
            *date = ParseMessageDate(text);
            if (!*date) {
                UsageError(std::string(option) + " takes \"DD.MM.YY HH:MM\"", s.cl.command);
                return std::nullopt;
            }
        }
    }
    return period;
}

int Export(Session& s, store::CollectionStore& db) {
    const std::string name = s.cl.ValueOf({"--station"});
    const auto archive = store::ArchiveByName(s.cl.ValueOf({"--archive"}));
    if (name.empty() || !archive) {
        return UsageError(
            "db export takes --station NAME and --archive 3min|hour|day|moisture-3min|"
            "moisture-hour|moisture-day|interventions|diagnostics",
            s.cl.command);
    }
    const std::optional<gasdata::DataKind> kind = collect::DataKindOf(*archive);
    const int run = RunOf(s.cl);
    if (kind && gasdata::IsChromatograph(*kind) != (run != 0)) {
        return UsageError("--run 1|2 goes with the chromatograph's archives, and only with them",
                          s.cl.command);
    }
    if (!kind && run != 0) {
        return UsageError("the message archives take no --run", s.cl.command);
    }
    const auto period = PeriodOf(s);
    if (!period) {
        return kExitUsage;
    }
    const auto station = db.FindStation(name);
    if (!station) {
        std::fprintf(stderr, "%s\n",
                     db.Error().empty() ? ("no station named \"" + name + "\"").c_str()
                                        : db.Error().c_str());
        return kExitFailed;
    }
    std::string error;
    if (!kind) {
        const auto view = collect::StoredMessageView(db, *station,
                                                     *archive == store::Archive::Interventions
                                                         ? messages::Archive::Interventions
                                                         : messages::Archive::Diagnostics,
                                                     *period, &error);
        if (!view) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return kExitFailed;
        }
        std::fputs(MessageRowsText(*view, RowFormatOf(s.cl)).c_str(), stdout);
        return kExitOk;
    }
    const auto settings = LoadDataSettings(s);
    if (!settings) {
        return kExitFailed;
    }
    const auto set = collect::StoredDataSet(db, *station, *kind, run, *period, &error);
    if (!set) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kExitFailed;
    }
    return PutDataSet(s, *set, *settings);
}

int RunDb(Session& s) {
    const std::string what = s.cl.args.size() == 1 ? s.cl.args[0] : std::string();
    if (what != "stations" && what != "log" && what != "export") {
        return UsageError("db takes stations, log or export", s.cl.command);
    }
    const auto db = OpenDatabase(s);
    if (!db) {
        return kExitFailed;
    }
    if (what == "stations") {
        return PrintList(*db, db->Stations(), s.cl.json, StationText);
    }
    if (what == "log") {
        const std::string station = s.cl.ValueOf({"--station"});
        return PrintList(*db, station.empty() ? db->Log(std::nullopt) : db->Log(station), s.cl.json,
                         LogText);
    }
    return Export(s, *db);
}

constexpr Synopsis kDbSynopsis[] = {
    {"db [--db URI] stations [--json]", "the stations collected and their newest records"},
    {"db [--db URI] log [--station NAME] [--json]", "the collection log"},
    {"db [--db URI] export --station NAME --archive A [--run 1|2]\n"
     "[--from DATE --to DATE] [--json|--csv]",
     "stored records, printed as a reading prints them"},
};

constexpr Option kDbOptions[] = {
    kDbOption,
    {.name = "--station", .value = "NAME", .check = NeedsValue},
    {.name = "--archive", .value = "A", .check = NeedsValue},
    kRunOption,
    kFromOption,
    kToOption,
};

}  // namespace

constinit const Command kDbCommand{
    .name = "db",
    .synopsis = kDbSynopsis,
    .help =
        "zor06ctl [--workdir DIR] db [--db URI] stations [--json]\n"
        "zor06ctl [--workdir DIR] db [--db URI] log [--station NAME] [--json]\n"
        "zor06ctl [--workdir DIR] db [--db URI] export --station NAME --archive A\n"
        "         [--run 1|2] [--from DATE] [--to DATE] [--json|--csv]\n"
        "  The collection database (--db as for collect; default sqlite:DIR/zor06.sqlite).\n"
        "  stations: NAME<TAB>ADDRESS<TAB>last successful collection<TAB>the newest\n"
        "  record per archive (ARCHIVE=DATE, a message archive's newest index); --json\n"
        "  one array of {station, address, controller, serial, last_success, newest}.\n"
        "  log: STARTED<TAB>ENDED<TAB>STATION<TAB>OUTCOME<TAB>records per archive<TAB>\n"
        "  bytes on the line, oldest first; a collection never ended shows \"-\".\n"
        "  export: A is 3min, hour or day (with --run 1|2), moisture-3min, moisture-hour,\n"
        "  moisture-day, interventions or diagnostics; DATE \"DD.MM.YY HH:MM\", both\n"
        "  ends included, none for all that is held. Prints the rows exactly as the\n"
        "  reading commands (chromatograph, moisture, messages) print a fresh reading,\n"
        "  in the same forms (lines, --json, --csv), the values converted after\n"
        "  INI/repconf_par.ini of the work directory.\n",
    .run = RunDb,
    .options = kDbOptions,
};

}  // namespace zor06::ctl
