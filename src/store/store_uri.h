// Where the collection database is: "sqlite:PATH" or a PostgreSQL connection URI.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zor06::store {

enum class StoreBackend { Sqlite, Postgres };

struct StoreLocation {
    StoreBackend backend = StoreBackend::Sqlite;
    std::string target;  // the file's path, or the URI as libpq takes it
};

// None after putting into `error` why the URI names no database.
std::optional<StoreLocation> ParseStoreUri(std::string_view uri, std::string* error);

// The URI as it may be shown or logged: the password of its user part and any password
// parameter left out.
std::string WithoutPassword(std::string_view uri);

}  // namespace zor06::store
