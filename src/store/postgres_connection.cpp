#include "store/postgres_connection.h"

#include <libpq-fe.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zor06::store {
namespace {

// The type OIDs of PostgreSQL's catalogue (pg_type.dat) for the types the schema uses.
constexpr Oid kBoolOid = 16;
constexpr Oid kByteaOid = 17;
constexpr Oid kInt8Oid = 20;
constexpr Oid kInt2Oid = 21;
constexpr Oid kInt4Oid = 23;
constexpr Oid kFloat4Oid = 700;
constexpr Oid kFloat8Oid = 701;
constexpr Oid kNumericOid = 1700;

constexpr int kTextFormat = 0;
constexpr int kBinaryFormat = 1;

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

// libpq's messages end with a line break.
std::string Trimmed(const char* message) {
    std::string text = message != nullptr ? message : "";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// The parameters as libpq takes them: blobs in binary, everything else as text the server
// converts to the column's type.
class BoundParameters {
public:
    explicit BoundParameters(std::span<const SqlValue> params) {
        texts_.reserve(params.size());
        for (const SqlValue& value : params) {
            Add(value);
        }
        for (std::size_t i = 0; i < params.size(); ++i) {
            if (const auto* b = std::get_if<SqlBlob>(&params[i])) {
                // A null pointer is NULL; an empty blob points somewhere.
                values_.push_back(b->empty() ? "" : reinterpret_cast<const char*>(b->data()));
            } else if (std::holds_alternative<std::monostate>(params[i])) {
                values_.push_back(nullptr);
            } else {
                values_.push_back(texts_[i].c_str());
            }
        }
    }

    int Count() const { return static_cast<int>(values_.size()); }
    const Oid* Types() const { return types_.data(); }
    const char* const* Values() const { return values_.data(); }
    const int* Lengths() const { return lengths_.data(); }
    const int* Formats() const { return formats_.data(); }

private:
    void Add(const SqlValue& value) {
        std::string text;
        Oid type = 0;  // the server infers it: text goes into TEXT and TIMESTAMP columns alike
        int length = 0;
        int format = kTextFormat;
        if (const auto* i = std::get_if<std::int64_t>(&value)) {
            text = std::to_string(*i);
            type = kInt8Oid;
        } else if (const auto* d = std::get_if<double>(&value)) {
            char buffer[32];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, *d).ptr;
            text.assign(buffer, end);
            type = kFloat8Oid;
        } else if (const auto* s = std::get_if<std::string>(&value)) {
            text = *s;
        } else if (const auto* b = std::get_if<SqlBlob>(&value)) {
            type = kByteaOid;
            length = static_cast<int>(b->size());
            format = kBinaryFormat;
        }
        texts_.push_back(std::move(text));
        types_.push_back(type);
        lengths_.push_back(length);
        formats_.push_back(format);
    }

    std::vector<std::string> texts_;
    std::vector<Oid> types_;
    std::vector<const char*> values_;
    std::vector<int> lengths_;
    std::vector<int> formats_;
};

std::int64_t ParsedInteger(std::string_view text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A value of the text result format, by its column's type.
SqlValue Cell(const PGresult* result, int row, int column) {
    if (PQgetisnull(result, row, column)) {
        return std::monostate{};
    }
    const char* text = PQgetvalue(result, row, column);
    const std::string_view view(text, static_cast<std::size_t>(PQgetlength(result, row, column)));
    switch (PQftype(result, column)) {
        case kInt2Oid:
        case kInt4Oid:
        case kInt8Oid:
            return ParsedInteger(view);
        case kBoolOid:
            return std::int64_t{view == "t" ? 1 : 0};
        case kFloat4Oid:
        case kFloat8Oid:
        case kNumericOid:
            // strtod reads PostgreSQL's "NaN" and "Infinity" too.
            return std::strtod(text, nullptr);
        case kByteaOid: {
            std::size_t size = 0;
            unsigned char* bytes =
                PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
            SqlBlob blob(bytes, bytes + size);
            PQfreemem(bytes);
            return blob;
        }
        default:
            return std::string(view);
    }
}

class PostgresConnection : public SqlConnection {
public:
    explicit PostgresConnection(PGconn* connection) : connection_(connection) {}
    ~PostgresConnection() override { PQfinish(connection_); }
    PostgresConnection(const PostgresConnection&) = delete;
    PostgresConnection& operator=(const PostgresConnection&) = delete;

    SqlDialect Dialect() const override { return SqlDialect::Postgres; }
    const std::string& Error() const override { return error_; }

    std::optional<std::int64_t> Execute(std::string_view sql,
                                        std::span<const SqlValue> params) override {
        Result result = Run(sql, params);
        if (!result) {
            return std::nullopt;
        }
        return ParsedInteger(PQcmdTuples(result.get()));
    }

    std::optional<std::vector<SqlRow>> Query(std::string_view sql,
                                             std::span<const SqlValue> params) override {
        Result result = Run(sql, params);
        if (!result) {
            return std::nullopt;
        }
        std::vector<SqlRow> rows(static_cast<std::size_t>(PQntuples(result.get())));
        const int columns = PQnfields(result.get());
        for (std::size_t r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < columns; ++c) {
                rows[r].push_back(Cell(result.get(), static_cast<int>(r), c));
            }
        }
        return rows;
    }

    bool Begin() override { return Execute("BEGIN", {}).has_value(); }

private:
    Result Run(std::string_view sql, std::span<const SqlValue> params) {
        const BoundParameters bound(params);
        Result result(PQexecParams(connection_, NumberedParameters(sql).c_str(), bound.Count(),
                                   bound.Types(), bound.Values(), bound.Lengths(), bound.Formats(),
                                   kTextFormat));
        const ExecStatusType status = PQresultStatus(result.get());
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) {
            error_ = Trimmed(PQerrorMessage(connection_));
            return nullptr;
        }
        return result;
    }

    PGconn* connection_;
    std::string error_;
};

// The server's notices ("relation already exists, skipping") are not for the operator.
void IgnoreNotice(void*, const char*) {}

}  // namespace

std::string NumberedParameters(std::string_view sql) {
    std::string numbered;
    numbered.reserve(sql.size() + 16);
    int next = 1;
    char quote = 0;
    for (const char c : sql) {
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '?') {
            numbered += '$' + std::to_string(next++);
            continue;
        }
        numbered += c;
    }
    return numbered;
}

std::unique_ptr<SqlConnection> OpenPostgres(const std::string& uri, std::string* error) {
    PGconn* raw = PQconnectdb(uri.c_str());
    if (raw == nullptr) {
        *error = "out of memory";
        return nullptr;
    }
    if (PQstatus(raw) != CONNECTION_OK) {
        *error = Trimmed(PQerrorMessage(raw));
        PQfinish(raw);
        return nullptr;
    }
    PQsetNoticeProcessor(raw, IgnoreNotice, nullptr);
    auto connection = std::make_unique<PostgresConnection>(raw);
    // Timestamps are read back as "YYYY-MM-DD HH:MM:SS", the form they were written in.
    for (const char* setting : {"SET DateStyle = ISO", "SET client_encoding = 'UTF8'"}) {
        if (!connection->Execute(setting, {})) {
            *error = connection->Error();
            return nullptr;
        }
    }
    return connection;
}

}  // namespace zor06::store
