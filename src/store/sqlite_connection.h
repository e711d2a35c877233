// The SQLite backend: one database file in WAL mode, so that another process may read while the
// collector writes.
#pragma once

#include <memory>
#include <string>

#include "store/sql_connection.h"

namespace zor06::store {

// Opens or creates the file; none after putting the reason into `error`, also when the file is
// not an SQLite database.
std::unique_ptr<SqlConnection> OpenSqlite(const std::string& path, std::string* error);

}  // namespace zor06::store
