// The stations: saving what was seen of them and reading them back with a summary of what is
// held of each.
#include "store/sql_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "store/archive_kinds.h"
#include "store/sql_values.h"
#include "store/store_text.h"

namespace zor06::store {
namespace {

constexpr std::string_view kStationColumns =
    "s.name, s.address, s.controller_address, s.serial_number, s.controller_name, s.run_names, "
    "s.identification";

Station StationFromRow(const SqlRow& row) {
    Station station;
    station.name = AsText(row[0]);
    station.address = AsText(row[1]);
    station.controllerAddress = static_cast<int>(AsInteger(row[2]));
    station.serialNumber = AsInteger(row[3]);
    station.controllerName = AsText(row[4]);
    station.runNames = SplitCells(AsText(row[5]));
    station.identification = AsText(row[6]);
    return station;
}

}  // namespace

SqlStore::SqlStore(std::unique_ptr<SqlConnection> connection)
    : connection_(std::move(connection)) {}

bool SqlStore::Fail(const std::string& what) {
    return Refuse(what, connection_->Error());
}

bool SqlStore::Refuse(const std::string& what, const std::string& reason) {
    error_ = what + ": " + reason;
    return false;
}

std::optional<std::int64_t> SqlStore::StationKey(std::string_view name, const std::string& what) {
    const SqlValue enter[] = {std::string(name), NowTimestamp()};
    const SqlValue byName[] = {std::string(name)};
    if (!connection_->Execute(
            "INSERT INTO stations (name, first_seen) VALUES (?, ?) ON CONFLICT (name) DO NOTHING",
            enter)) {
        Fail(what);
        return std::nullopt;
    }
    const auto rows = connection_->Query("SELECT id FROM stations WHERE name = ?", byName);
    if (!rows || rows->empty()) {
        Fail(what);
        return std::nullopt;
    }
    return AsInteger(rows->front()[0]);
}

bool SqlStore::SaveStation(const Station& station) {
    error_.clear();
    const std::string what = "cannot save station " + station.name;
    const auto runNames = JoinCells(station.runNames);
    if (!runNames) {
        return Refuse(what, "a run's name holds a tab");
    }
    const std::string now = NowTimestamp();
    const SqlValue params[] = {station.name,
                               station.address,
                               std::int64_t{station.controllerAddress},
                               station.serialNumber,
                               station.controllerName,
                               *runNames,
                               station.identification,
                               now,
                               now};
    const bool saved = connection_
                           ->Execute(
                               "INSERT INTO stations (name, address, controller_address, "
                               "serial_number, controller_name, run_names, identification, "
                               "first_seen, last_seen) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                               "ON CONFLICT (name) DO UPDATE SET address = excluded.address, "
                               "controller_address = excluded.controller_address, "
                               "serial_number = excluded.serial_number, "
                               "controller_name = excluded.controller_name, "
                               "run_names = excluded.run_names, "
                               "identification = excluded.identification, "
                               "last_seen = excluded.last_seen",
                               params)
                           .has_value();
    return saved || Fail(what);
}

std::optional<Station> SqlStore::FindStation(std::string_view name) {
    error_.clear();
    const SqlValue params[] = {std::string(name)};
    const auto rows = connection_->Query(
        "SELECT " + std::string(kStationColumns) + " FROM stations s WHERE s.name = ?", params);
    if (!rows) {
        Fail("cannot read station " + std::string(name));
        return std::nullopt;
    }
    if (rows->empty()) {
        return std::nullopt;
    }
    return StationFromRow(rows->front());
}

std::optional<std::vector<StationSummary>> SqlStore::Stations() {
    error_.clear();
    const auto rows = connection_->Query(
        "SELECT " + std::string(kStationColumns) +
        ", s.id, (SELECT MAX(l.ended) FROM collection_log l WHERE l.station_id = s.id AND "
        "l.outcome = 'ok') FROM stations s ORDER BY s.name");
    if (!rows) {
        Fail("cannot read the stations");
        return std::nullopt;
    }
    std::vector<StationSummary> summaries;
    for (const SqlRow& row : *rows) {
        StationSummary& summary = summaries.emplace_back();
        summary.station = StationFromRow(row);
        summary.lastSuccess = AsText(row[8]);
        if (!NewestOfEach(AsInteger(row[7]), &summary)) {
            return std::nullopt;
        }
    }
    return summaries;
}

// One lookup in a key's index for each archive and run; grouping the whole table instead
// would read every record held.
bool SqlStore::NewestOfEach(std::int64_t stationKey, StationSummary* summary) {
    const std::string what = "cannot read the newest records of station " + summary->station.name;
    for (const Archive archive : kAllArchives) {
        for (const int run : RunsOf(archive)) {
            const SqlValue params[] = {stationKey, std::string(ArchiveName(archive)),
                                       std::int64_t{run}};
            const auto rows = IsMessageArchive(archive)
                                  ? connection_->Query(
                                        "SELECT MAX(idx) FROM message_records WHERE "
                                        "station_id = ? AND archive = ?",
                                        std::span(params).first(2))
                                  : connection_->Query(
                                        "SELECT MAX(period) FROM data_records WHERE "
                                        "station_id = ? AND archive = ? AND run = ?",
                                        params);
            if (!rows) {
                return Fail(what);
            }
            const SqlValue& newest = rows->front()[0];
            if (std::holds_alternative<std::monostate>(newest)) {
                continue;
            }
            StationSummary::Newest& entry = summary->newest.emplace_back();
            entry.archive = archive;
            entry.run = run;
            if (IsMessageArchive(archive)) {
                entry.newestIndex = AsInteger(newest);
            } else {
                entry.newest = AsText(newest);
            }
        }
    }
    return true;
}

}  // namespace zor06::store
