// The records of the archives: adding a batch all or nothing, and reading them back.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/archive_kinds.h"
#include "store/sql_store.h"
#include "store/sql_values.h"
#include "store/store_text.h"

namespace zor06::store {
namespace {

constexpr std::size_t kValueColumns = 20;

std::string ValueColumnList() {
    std::string list;
    for (std::size_t i = 1; i <= kValueColumns; ++i) {
        list += ", v" + std::to_string(i);
    }
    return list;
}

const std::string& InsertDataSql() {
    static const std::string sql = [] {
        std::string s =
            "INSERT INTO data_records (station_id, archive, run, period, state, "
            "status_word" +
            ValueColumnList() + ", crc_valid, raw) VALUES (?";
        for (std::size_t i = 1; i < 8 + kValueColumns; ++i) {
            s += ", ?";
        }
        return s + ") ON CONFLICT DO NOTHING";
    }();
    return sql;
}

const std::string& SelectDataSql() {
    static const std::string sql =
        "SELECT d.period, d.state, d.status_word" + ValueColumnList() +
        ", d.crc_valid, d.raw FROM data_records d JOIN stations s ON s.id = d.station_id "
        "WHERE s.name = ? AND d.archive = ? AND d.run = ?";
    return sql;
}

// NaN is written as NULL: SQLite would turn it into NULL anyway.
SqlValue ValueParameter(const std::vector<double>& values, std::size_t i) {
    if (i >= values.size() || std::isnan(values[i])) {
        return std::monostate{};
    }
    return values[i];
}

std::string RecordWhat(const std::string& what, std::size_t i, Archive archive) {
    return what + " (record " + std::to_string(i + 1) + ", " + std::string(ArchiveName(archive)) +
           ")";
}

// Appends "AND column >= ?" and "AND column <= ?" for the bounds given. False when a bound is
// not a timestamp.
bool AddRange(std::string_view column, const Timestamp& from, const Timestamp& to, std::string* sql,
              std::vector<SqlValue>* params) {
    for (const auto& [bound, op] : {std::pair{&from, " >= ?"}, std::pair{&to, " <= ?"}}) {
        if (bound->empty()) {
            continue;
        }
        if (!IsTimestamp(*bound)) {
            return false;
        }
        *sql += " AND " + std::string(column) + op;
        params->push_back(*bound);
    }
    return true;
}

std::string RangeWhat(std::string_view kind, std::string_view station, Archive archive) {
    return "cannot read the " + std::string(ArchiveName(archive)) + " " + std::string(kind) +
           " of station " + std::string(station);
}

constexpr std::string_view kBadRange = "a bound of the range is not YYYY-MM-DD HH:MM:SS";
constexpr std::string_view kBadTimestamp = " is not YYYY-MM-DD HH:MM:SS";

}  // namespace

bool SqlStore::InsertDataRecord(std::int64_t stationKey, const DataRecord& record,
                                const std::string& what, std::int64_t* added) {
    const auto runs = RunsOf(record.archive);
    if (IsMessageArchive(record.archive)) {
        return Refuse(what, "not a data archive");
    }
    if (std::find(runs.begin(), runs.end(), record.run) == runs.end()) {
        return Refuse(what, "no run " + std::to_string(record.run) + " in this archive");
    }
    if (!IsTimestamp(record.period)) {
        return Refuse(what, "the period \"" + record.period + "\"" + std::string(kBadTimestamp));
    }
    if (record.values.size() != static_cast<std::size_t>(ValueCount(record.archive))) {
        return Refuse(what, std::to_string(record.values.size()) + " values instead of " +
                                std::to_string(ValueCount(record.archive)));
    }
    std::vector<SqlValue> params = {stationKey,
                                    std::string(ArchiveName(record.archive)),
                                    std::int64_t{record.run},
                                    record.period,
                                    std::int64_t{record.state},
                                    std::int64_t{record.statusWord}};
    for (std::size_t i = 0; i < kValueColumns; ++i) {
        params.push_back(ValueParameter(record.values, i));
    }
    params.emplace_back(std::int64_t{record.crcValid ? 1 : 0});
    params.emplace_back(record.raw);
    const auto changed = connection_->Execute(InsertDataSql(), params);
    if (!changed) {
        return Fail(what);
    }
    *added += *changed;
    return true;
}

bool SqlStore::InsertMessageRecord(std::int64_t stationKey, const MessageRecord& record,
                                   const std::string& what, std::int64_t* added) {
    if (!IsMessageArchive(record.archive)) {
        return Refuse(what, "not a message archive");
    }
    // A record whose date the line spoiled is kept by its index, without a time.
    if (!record.time.empty() && !IsTimestamp(record.time)) {
        return Refuse(what, "the time \"" + record.time + "\"" + std::string(kBadTimestamp));
    }
    const auto cells = JoinCells(record.row);
    if (!cells) {
        return Refuse(what, "a cell of its row holds a tab");
    }
    const SqlValue time = record.time.empty() ? SqlValue() : SqlValue(record.time);
    const SqlValue params[] = {stationKey,   std::string(ArchiveName(record.archive)),
                               record.index, time,
                               record.raw,   *cells};
    const auto changed = connection_->Execute(
        "INSERT INTO message_records (station_id, archive, idx, time, raw, row_cells) "
        "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING",
        params);
    if (!changed) {
        return Fail(what);
    }
    *added += *changed;
    return true;
}

template <class Record>
std::optional<std::int64_t> SqlStore::AddBatch(
    std::string_view station, std::span<const Record> records, std::string_view noun,
    bool (SqlStore::*insert)(std::int64_t, const Record&, const std::string&, std::int64_t*)) {
    error_.clear();
    const std::string what =
        "cannot add the " + std::string(noun) + " of station " + std::string(station);
    std::int64_t added = 0;
    const bool ok = records.empty() || InTransaction(what, [&] {
                        const auto key = StationKey(station, what);
                        if (!key) {
                            return false;
                        }
                        for (std::size_t i = 0; i < records.size(); ++i) {
                            if (!(this->*insert)(*key, records[i],
                                                 RecordWhat(what, i, records[i].archive), &added)) {
                                return false;
                            }
                        }
                        return true;
                    });
    return ok ? std::optional(added) : std::nullopt;
}

std::optional<std::int64_t> SqlStore::AddDataRecords(std::string_view station,
                                                     std::span<const DataRecord> records) {
    return AddBatch(station, records, "records", &SqlStore::InsertDataRecord);
}

std::optional<std::int64_t> SqlStore::AddMessageRecords(std::string_view station,
                                                        std::span<const MessageRecord> records) {
    return AddBatch(station, records, "messages", &SqlStore::InsertMessageRecord);
}

std::optional<SqlValue> SqlStore::Newest(const std::string& sql, std::span<const SqlValue> params,
                                         const std::string& what) {
    error_.clear();
    const auto rows = connection_->Query(sql, params);
    if (!rows) {
        Fail(what);
        return std::nullopt;
    }
    const SqlValue& newest = rows->front()[0];
    if (std::holds_alternative<std::monostate>(newest)) {
        return std::nullopt;
    }
    return newest;
}

std::optional<Timestamp> SqlStore::NewestPeriod(std::string_view station, Archive archive,
                                                int run) {
    const SqlValue params[] = {std::string(station), std::string(ArchiveName(archive)),
                               std::int64_t{run}};
    const auto newest = Newest(
        "SELECT MAX(d.period) FROM data_records d JOIN stations s ON s.id = d.station_id "
        "WHERE s.name = ? AND d.archive = ? AND d.run = ?",
        params, RangeWhat("records", station, archive));
    return newest ? std::optional(AsText(*newest)) : std::nullopt;
}

std::optional<std::int64_t> SqlStore::NewestIndex(std::string_view station, Archive archive) {
    const SqlValue params[] = {std::string(station), std::string(ArchiveName(archive))};
    const auto newest = Newest(
        "SELECT MAX(m.idx) FROM message_records m JOIN stations s ON s.id = m.station_id "
        "WHERE s.name = ? AND m.archive = ?",
        params, RangeWhat("messages", station, archive));
    return newest ? std::optional(AsInteger(*newest)) : std::nullopt;
}

std::optional<std::vector<SqlRow>> SqlStore::QueryInRange(
    std::string sql, std::vector<SqlValue> params, std::string_view column, const Timestamp& from,
    const Timestamp& to, std::string_view order, const std::string& what) {
    if (!AddRange(column, from, to, &sql, &params)) {
        Refuse(what, std::string(kBadRange));
        return std::nullopt;
    }
    auto rows = connection_->Query(sql + " ORDER BY " + std::string(order), params);
    if (!rows) {
        Fail(what);
    }
    return rows;
}

std::optional<std::vector<DataRecord>> SqlStore::DataRecords(std::string_view station,
                                                             Archive archive, int run,
                                                             const Timestamp& from,
                                                             const Timestamp& to) {
    error_.clear();
    const std::string what = RangeWhat("records", station, archive);
    const auto rows =
        QueryInRange(SelectDataSql(),
                     {std::string(station), std::string(ArchiveName(archive)), std::int64_t{run}},
                     "d.period", from, to, "d.period", what);
    if (!rows) {
        return std::nullopt;
    }
    const auto valueCount = static_cast<std::size_t>(ValueCount(archive));
    std::vector<DataRecord> records;
    records.reserve(rows->size());
    for (const SqlRow& row : *rows) {
        DataRecord& record = records.emplace_back();
        record.archive = archive;
        record.run = run;
        record.period = AsText(row[0]);
        record.state = static_cast<int>(AsInteger(row[1]));
        record.statusWord = static_cast<int>(AsInteger(row[2]));
        for (std::size_t i = 0; i < valueCount; ++i) {
            record.values.push_back(AsDouble(row[3 + i]));
        }
        record.crcValid = AsInteger(row[3 + kValueColumns]) != 0;
        record.raw = AsBlob(row[4 + kValueColumns]);
    }
    return records;
}

std::optional<std::vector<MessageRecord>> SqlStore::MessageRecords(std::string_view station,
                                                                   Archive archive,
                                                                   const Timestamp& from,
                                                                   const Timestamp& to) {
    error_.clear();
    const std::string what = RangeWhat("messages", station, archive);
    // The controller's index is the order the messages arose in, whatever its clock said.
    const auto rows = QueryInRange(
        "SELECT m.idx, m.time, m.raw, m.row_cells FROM message_records m JOIN stations s ON "
        "s.id = m.station_id WHERE s.name = ? AND m.archive = ?",
        {std::string(station), std::string(ArchiveName(archive))}, "m.time", from, to, "m.idx",
        what);
    if (!rows) {
        return std::nullopt;
    }
    std::vector<MessageRecord> records;
    records.reserve(rows->size());
    for (const SqlRow& row : *rows) {
        MessageRecord& record = records.emplace_back();
        record.archive = archive;
        record.index = AsInteger(row[0]);
        record.time = AsText(row[1]);
        record.raw = AsBlob(row[2]);
        record.row = SplitCells(AsText(row[3]));
    }
    return records;
}

}  // namespace zor06::store
