// The collection store over any SqlConnection: the same statements for SQLite and PostgreSQL.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "store/collection_store.h"
#include "store/sql_connection.h"

namespace zor06::store {

class SqlStore : public CollectionStore {
public:
    // The connection's schema must be current (MigrateSchema).
    explicit SqlStore(std::unique_ptr<SqlConnection> connection);

    const std::string& Error() const override { return error_; }

    bool SaveStation(const Station& station) override;
    std::optional<Timestamp> NewestPeriod(std::string_view station, Archive archive,
                                          int run) override;
    std::optional<std::int64_t> NewestIndex(std::string_view station, Archive archive) override;
    std::optional<std::int64_t> AddDataRecords(std::string_view station,
                                               std::span<const DataRecord> records) override;
    std::optional<std::int64_t> AddMessageRecords(std::string_view station,
                                                  std::span<const MessageRecord> records) override;
    std::optional<std::int64_t> BeginCollection(std::string_view station,
                                                const Timestamp& started) override;
    bool EndCollection(std::int64_t id, const Timestamp& ended, std::string_view outcome,
                       std::span<const ArchiveCount> counts, std::int64_t lineBytes) override;
    std::optional<std::vector<StationSummary>> Stations() override;
    std::optional<std::vector<LogEntry>> Log(std::optional<std::string_view> station) override;
    std::optional<Station> FindStation(std::string_view name) override;
    std::optional<std::vector<DataRecord>> DataRecords(std::string_view station, Archive archive,
                                                       int run, const Timestamp& from,
                                                       const Timestamp& to) override;
    std::optional<std::vector<MessageRecord>> MessageRecords(std::string_view station,
                                                             Archive archive, const Timestamp& from,
                                                             const Timestamp& to) override;

private:
    // Each puts `what` and the reason into Error() and returns false.
    bool Fail(const std::string& what);  // the reason is the database's
    bool Refuse(const std::string& what, const std::string& reason);

    // Runs `body` in one transaction: committed when it returns true, rolled back otherwise
    // with the body's reason kept.
    template <typename Body>
    bool InTransaction(const std::string& what, Body body);

    // The station's key, entering the station by its name alone when it is not held yet.
    std::optional<std::int64_t> StationKey(std::string_view name, const std::string& what);

    // One batch in one transaction, each record through `insert`: all of it or none.
    template <class Record>
    std::optional<std::int64_t> AddBatch(
        std::string_view station, std::span<const Record> records, std::string_view noun,
        bool (SqlStore::*insert)(std::int64_t, const Record&, const std::string&, std::int64_t*));
    bool InsertDataRecord(std::int64_t stationKey, const DataRecord& record,
                          const std::string& what, std::int64_t* added);
    bool InsertMessageRecord(std::int64_t stationKey, const MessageRecord& record,
                             const std::string& what, std::int64_t* added);
    bool NewestOfEach(std::int64_t stationKey, StationSummary* summary);
    bool ReadCounts(std::optional<std::string_view> station, std::vector<LogEntry>* entries);
    // `sql` narrowed to `column` from `from` to `to` (either may be empty) and run in `order`;
    // none after saying why, a bound that is no timestamp included.
    std::optional<std::vector<SqlRow>> QueryInRange(std::string sql, std::vector<SqlValue> params,
                                                    std::string_view column, const Timestamp& from,
                                                    const Timestamp& to, std::string_view order,
                                                    const std::string& what);
    // The one value a MAX() query gives: none when the table holds no row of it (NULL) and, with
    // the failure in Error(), when the query fails.
    std::optional<SqlValue> Newest(const std::string& sql, std::span<const SqlValue> params,
                                   const std::string& what);

    std::unique_ptr<SqlConnection> connection_;
    std::string error_;
};

template <typename Body>
bool SqlStore::InTransaction(const std::string& what, Body body) {
    if (!connection_->Begin()) {
        return Fail(what);
    }
    if (!body()) {
        connection_->Rollback();
        return false;
    }
    if (!connection_->Commit()) {
        Fail(what);
        connection_->Rollback();
        return false;
    }
    return true;
}

}  // namespace zor06::store
