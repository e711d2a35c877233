// The collection log: a collection is entered when it starts and completed when it ends.
#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/sql_store.h"
#include "store/sql_values.h"
#include "store/store_text.h"

namespace zor06::store {
namespace {

constexpr std::string_view kBadTimestamp = " is not YYYY-MM-DD HH:MM:SS";

// Counts in the order of the archives, then of the runs.
bool CountBefore(const ArchiveCount& a, const ArchiveCount& b) {
    return a.archive != b.archive ? a.archive < b.archive : a.run < b.run;
}

}  // namespace

std::optional<std::int64_t> SqlStore::BeginCollection(std::string_view station,
                                                      const Timestamp& started) {
    error_.clear();
    const std::string what = "cannot enter the collection from station " + std::string(station);
    if (!IsTimestamp(started)) {
        Refuse(what, "the start \"" + started + "\"" + std::string(kBadTimestamp));
        return std::nullopt;
    }
    std::int64_t id = 0;
    const bool ok = InTransaction(what, [&] {
        const auto key = StationKey(station, what);
        if (!key) {
            return false;
        }
        const SqlValue params[] = {*key, started};
        const auto rows = connection_->Query(
            "INSERT INTO collection_log (station_id, started) VALUES (?, ?) RETURNING id", params);
        if (!rows || rows->empty()) {
            return Fail(what);
        }
        id = AsInteger(rows->front()[0]);
        return true;
    });
    return ok ? std::optional(id) : std::nullopt;
}

bool SqlStore::EndCollection(std::int64_t id, const Timestamp& ended, std::string_view outcome,
                             std::span<const ArchiveCount> counts, std::int64_t lineBytes) {
    error_.clear();
    const std::string what = "cannot complete collection " + std::to_string(id) + " in the log";
    if (!IsTimestamp(ended)) {
        return Refuse(what, "the end \"" + ended + "\"" + std::string(kBadTimestamp));
    }
    return InTransaction(what, [&] {
        const SqlValue entry[] = {ended, std::string(outcome), lineBytes, id};
        const auto changed = connection_->Execute(
            "UPDATE collection_log SET ended = ?, outcome = ?, line_bytes = ? WHERE id = ?", entry);
        if (!changed) {
            return Fail(what);
        }
        if (*changed == 0) {
            return Refuse(what, "no such collection");
        }
        for (const ArchiveCount& count : counts) {
            const SqlValue params[] = {id, std::string(ArchiveName(count.archive)),
                                       std::int64_t{count.run}, count.records};
            if (!connection_->Execute(
                    "INSERT INTO collection_counts (log_id, archive, run, records) "
                    "VALUES (?, ?, ?, ?)",
                    params)) {
                return Fail(what);
            }
        }
        return true;
    });
}

namespace {

// Narrows `sql` to one station when one is named; the parameters that go with it.
std::vector<SqlValue> OfStation(std::optional<std::string_view> station, std::string* sql) {
    if (!station) {
        return {};
    }
    *sql += " WHERE s.name = ?";
    return {std::string(*station)};
}

}  // namespace

std::optional<std::vector<LogEntry>> SqlStore::Log(std::optional<std::string_view> station) {
    error_.clear();
    std::string sql =
        "SELECT l.id, s.name, l.started, l.ended, l.outcome, l.line_bytes FROM collection_log l "
        "JOIN stations s ON s.id = l.station_id";
    const std::vector<SqlValue> params = OfStation(station, &sql);
    const auto rows = connection_->Query(sql + " ORDER BY l.started, l.id", params);
    if (!rows) {
        Fail("cannot read the collection log");
        return std::nullopt;
    }
    std::vector<LogEntry> entries;
    entries.reserve(rows->size());
    for (const SqlRow& row : *rows) {
        LogEntry& entry = entries.emplace_back();
        entry.id = AsInteger(row[0]);
        entry.station = AsText(row[1]);
        entry.started = AsText(row[2]);
        entry.ended = AsText(row[3]);
        entry.outcome = AsText(row[4]);
        entry.lineBytes = AsInteger(row[5]);
    }
    if (!ReadCounts(station, &entries)) {
        return std::nullopt;
    }
    return entries;
}

bool SqlStore::ReadCounts(std::optional<std::string_view> station, std::vector<LogEntry>* entries) {
    std::string sql =
        "SELECT c.log_id, c.archive, c.run, c.records FROM collection_counts c "
        "JOIN collection_log l ON l.id = c.log_id JOIN stations s ON s.id = l.station_id";
    const std::vector<SqlValue> params = OfStation(station, &sql);
    const auto rows = connection_->Query(sql, params);
    if (!rows) {
        return Fail("cannot read the collection log's counts");
    }
    std::map<std::int64_t, LogEntry*> byId;
    for (LogEntry& entry : *entries) {
        byId[entry.id] = &entry;
    }
    for (const SqlRow& row : *rows) {
        const auto archive = ArchiveByName(AsText(row[1]));
        const auto entry = byId.find(AsInteger(row[0]));
        if (!archive) {
            return Refuse("cannot read the collection log's counts",
                          "unknown archive \"" + AsText(row[1]) + "\"");
        }
        if (entry != byId.end()) {
            entry->second->counts.push_back(
                {*archive, static_cast<int>(AsInteger(row[2])), AsInteger(row[3])});
        }
    }
    for (LogEntry& entry : *entries) {
        std::sort(entry.counts.begin(), entry.counts.end(), CountBefore);
    }
    return true;
}

}  // namespace zor06::store
