// The collection database's tables, created on first use and brought forward one version at a
// time; the version a database holds is in its schema_version table.
#pragma once

#include <string>

#include "store/sql_connection.h"

namespace zor06::store {

inline constexpr int kSchemaVersion = 1;

// Creates the schema or migrates it to kSchemaVersion, all in one transaction. False with the
// reason in `error` when that fails or the database is of a newer version than this program.
bool MigrateSchema(SqlConnection& connection, std::string* error);

}  // namespace zor06::store
