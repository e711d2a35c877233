// A connection to an SQL database, the little the collection store needs of one: statements with
// bound parameters, rows of typed values back, and transactions. Parameters are written `?` in
// the SQL whatever the database.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zor06::store {

using SqlBlob = std::vector<std::uint8_t>;
// std::monostate is SQL NULL.
using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string, SqlBlob>;
using SqlRow = std::vector<SqlValue>;

// The two dialects differ in a few column types only (see schema.cpp).
enum class SqlDialect { Sqlite, Postgres };

class SqlConnection {
public:
    virtual ~SqlConnection() = default;

    virtual SqlDialect Dialect() const = 0;

    // The number of rows the statement changed; none on failure, with the reason in Error().
    virtual std::optional<std::int64_t> Execute(std::string_view sql,
                                                std::span<const SqlValue> params = {}) = 0;
    virtual std::optional<std::vector<SqlRow>> Query(std::string_view sql,
                                                     std::span<const SqlValue> params = {}) = 0;

    // A transaction that writes: SQLite takes its write lock at the start, so two writers wait
    // for each other instead of failing half-way.
    virtual bool Begin() = 0;
    bool Commit() { return Execute("COMMIT").has_value(); }
    bool Rollback() { return Execute("ROLLBACK").has_value(); }

    // The database's own text for the last failure.
    virtual const std::string& Error() const = 0;
};

}  // namespace zor06::store
