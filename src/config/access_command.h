// "Доступ пользователей к таблицам параметров" on a connected controller: one user of table 4
// changed and written back as one whole record.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "config/users_editors.h"
#include "tables/table_service.h"

namespace zor06::config {

// Reads table 4 (two requests: the whole table does not fit one reply) and decodes it.
std::optional<UsersTable> ReadUsers(tables::TableContext& ctx);

// Opens the one-user screen on table 4 of the image; the slot changed, or none when cancelled.
using OpenAccessScreen = std::function<std::optional<int>(std::span<std::uint8_t, kUsersBytes>)>;

// Reads the table states and table 4 (two requests), refuses a users table that needs rewriting
// whole, and writes the changed record. True when a record was written.
bool EditOneUser(tables::TableContext& ctx, const OpenAccessScreen& open);

}  // namespace zor06::config
