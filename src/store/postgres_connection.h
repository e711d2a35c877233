// The PostgreSQL backend, through libpq: parameters always bound, never written into the SQL.
#pragma once

#include <memory>
#include <string>

#include "store/sql_connection.h"

namespace zor06::store {

// Connects with a libpq connection URI; the user, password and host may come from it, from
// ~/.pgpass or from the environment, as libpq reads them. None after putting the reason into
// `error`.
std::unique_ptr<SqlConnection> OpenPostgres(const std::string& uri, std::string* error);

// The SQL with its `?` parameters numbered `$1`, `$2`... as PostgreSQL writes them; a `?` inside
// a quoted literal or name is left as it is.
std::string NumberedParameters(std::string_view sql);

}  // namespace zor06::store
