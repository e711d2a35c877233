#include <memory>
#include <string>
#include <string_view>

#include "store/collection_store.h"
#include "store/postgres_connection.h"
#include "store/schema.h"
#include "store/sql_store.h"
#include "store/sqlite_connection.h"
#include "store/store_uri.h"

namespace zor06::store {

std::unique_ptr<CollectionStore> OpenStore(std::string_view uri, std::string* error) {
    const auto location = ParseStoreUri(uri, error);
    if (!location) {
        return nullptr;
    }
    std::string reason;
    auto connection = location->backend == StoreBackend::Sqlite
                          ? OpenSqlite(location->target, &reason)
                          : OpenPostgres(location->target, &reason);
    if (connection && MigrateSchema(*connection, &reason)) {
        return std::make_unique<SqlStore>(std::move(connection));
    }
    *error = "cannot open the collection database " + WithoutPassword(uri) + ": " + reason;
    return nullptr;
}

}  // namespace zor06::store
