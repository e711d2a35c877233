// Who may change the simulated controller: the registered users of its table 4, and the rules a
// write of that table must keep.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "config/users_table.h"

namespace zor06::sim {

// The request's credentials: write password (12 bytes) then identification code (4 bytes).
using Credentials =
    std::span<const std::uint8_t, config::kUserPasswordSize + config::kUserCodeSize>;

// 0 when a registered user sent the request, else the controller's error code 34. With a
// `shortcut` password (blank-padded to 12) any request carrying that password passes.
std::uint8_t CheckCredentials(const config::UsersTable& users, Credentials credentials,
                              const std::optional<std::string>& shortcut);

// 0 when the table after a write keeps the controller's rules, else the error code: a registered
// user without a name (27) or code (28), a second manufacturer-adjuster (29), the
// manufacturer-adjuster removed (30), the last administrator removed (31), a repeated name (33).
std::uint8_t CheckUsersWrite(const config::UsersTable& before, const config::UsersTable& after);

// The users a new simulated controller knows (documented in the usage text).
config::UsersTable DefaultUsers();

}  // namespace zor06::sim
