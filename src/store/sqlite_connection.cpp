#include "store/sqlite_connection.h"

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zor06::store {
namespace {

// How long a writer waits for another one before giving up, in milliseconds.
constexpr int kBusyTimeoutMs = 10000;

struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

class SqliteConnection : public SqlConnection {
public:
    explicit SqliteConnection(sqlite3* db) : db_(db) {}
    ~SqliteConnection() override {
        statements_.clear();
        sqlite3_close(db_);
    }
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    SqlDialect Dialect() const override { return SqlDialect::Sqlite; }
    const std::string& Error() const override { return error_; }

    std::optional<std::int64_t> Execute(std::string_view sql,
                                        std::span<const SqlValue> params) override {
        std::vector<SqlRow> ignored;
        if (!Run(sql, params, &ignored)) {
            return std::nullopt;
        }
        return sqlite3_changes64(db_);
    }

    std::optional<std::vector<SqlRow>> Query(std::string_view sql,
                                             std::span<const SqlValue> params) override {
        std::vector<SqlRow> rows;
        if (!Run(sql, params, &rows)) {
            return std::nullopt;
        }
        return rows;
    }

    bool Begin() override { return Execute("BEGIN IMMEDIATE", {}).has_value(); }

private:
    bool Fail() {
        error_ = sqlite3_errmsg(db_);
        return false;
    }

    // Statements are prepared once and kept: a batch inserts hundreds of records with one.
    sqlite3_stmt* Prepared(std::string_view sql) {
        auto found = statements_.find(sql);
        if (found != statements_.end()) {
            return found->second.get();
        }
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()),
                               SQLITE_PREPARE_PERSISTENT, &statement, nullptr) != SQLITE_OK) {
            sqlite3_finalize(statement);
            return nullptr;
        }
        return statements_.emplace(std::string(sql), Statement(statement)).first->second.get();
    }

    bool Bind(sqlite3_stmt* statement, int index, const SqlValue& value) {
        int rc = SQLITE_OK;
        if (const auto* i = std::get_if<std::int64_t>(&value)) {
            rc = sqlite3_bind_int64(statement, index, *i);
        } else if (const auto* d = std::get_if<double>(&value)) {
            rc = sqlite3_bind_double(statement, index, *d);
        } else if (const auto* s = std::get_if<std::string>(&value)) {
            rc = sqlite3_bind_text64(statement, index, s->data(), s->size(), SQLITE_STATIC,
                                     SQLITE_UTF8);
        } else if (const auto* b = std::get_if<SqlBlob>(&value)) {
            // A null pointer would bind NULL, not an empty blob.
            rc = b->empty()
                     ? sqlite3_bind_zeroblob(statement, index, 0)
                     : sqlite3_bind_blob64(statement, index, b->data(), b->size(), SQLITE_STATIC);
        } else {
            rc = sqlite3_bind_null(statement, index);
        }
        return rc == SQLITE_OK;
    }

    static SqlValue Column(sqlite3_stmt* statement, int column) {
        switch (sqlite3_column_type(statement, column)) {
            case SQLITE_INTEGER:
                return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
            case SQLITE_FLOAT:
                return sqlite3_column_double(statement, column);
            case SQLITE_TEXT: {
                const auto* text =
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                return std::string(
                    text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
            }
            case SQLITE_BLOB: {
                const auto* bytes =
                    static_cast<const std::uint8_t*>(sqlite3_column_blob(statement, column));
                const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
                return size == 0 ? SqlBlob{} : SqlBlob(bytes, bytes + size);
            }
            default:
                return std::monostate{};
        }
    }

    bool Run(std::string_view sql, std::span<const SqlValue> params, std::vector<SqlRow>* rows) {
        sqlite3_stmt* statement = Prepared(sql);
        if (statement == nullptr) {
            return Fail();
        }
        // Reset whatever happens, so that the next use starts clean and the read lock is let go.
        struct Reset {
            sqlite3_stmt* statement;
            ~Reset() {
                sqlite3_reset(statement);
                sqlite3_clear_bindings(statement);
            }
        } reset{statement};
        for (std::size_t i = 0; i < params.size(); ++i) {
            if (!Bind(statement, static_cast<int>(i + 1), params[i])) {
                return Fail();
            }
        }
        const int columns = sqlite3_column_count(statement);
        for (;;) {
            const int rc = sqlite3_step(statement);
            if (rc == SQLITE_DONE) {
                return true;
            }
            if (rc != SQLITE_ROW) {
                return Fail();
            }
            SqlRow& row = rows->emplace_back();
            row.reserve(static_cast<std::size_t>(columns));
            for (int c = 0; c < columns; ++c) {
                row.push_back(Column(statement, c));
            }
        }
    }

    sqlite3* db_;
    std::map<std::string, Statement, std::less<>> statements_;
    std::string error_;
};

}  // namespace

std::unique_ptr<SqlConnection> OpenSqlite(const std::string& path, std::string* error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        *error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    auto connection = std::make_unique<SqliteConnection>(db);
    // The first statements read the file: one that is not a database fails here. NORMAL
    // synchronisation is safe in WAL mode and spares a sync per transaction.
    for (const char* pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA foreign_keys = ON", "PRAGMA synchronous = NORMAL"}) {
        if (!connection->Query(pragma, {})) {
            *error = connection->Error();
            return nullptr;
        }
    }
    return connection;
}

}  // namespace zor06::store
