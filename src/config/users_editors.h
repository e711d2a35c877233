// The checks of the three users screens: one user in the controller, the whole table of a
// configuration, and one user's password and code.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <variant>

#include "config/editor.h"
#include "config/users_table.h"

namespace zor06::config {

inline constexpr std::size_t kUsersBytes = kUserSlots * kUserRecordSize;

// Which typed entries a refusal empties: passwords and codes are always typed anew.
enum class EmptyEntries { None, Passwords, Codes };

struct UsersRefusal {
    InputError error;
    EmptyEntries empty = EmptyEntries::None;
};

// The password and code typed twice.
struct SecretEntries {
    std::string code;
    std::string codeAgain;
    std::string password;
    std::string passwordAgain;
};

// Checks the two passwords, the two codes, then that a code is given and is digits only.
std::optional<UsersRefusal> CheckSecrets(const SecretEntries& s);

// One user's password and code: the 16 bytes of the record (password 12, code 4).
using UserSecret = std::array<std::uint8_t, kUserPasswordSize + kUserCodeSize>;
std::variant<UsersRefusal, UserSecret> AcceptUserSecret(const SecretEntries& s);

// "   --   " for a free name, else the name trimmed.
std::string SlotCaption(const UserRecord& user);

struct ChangeAccessEntries {
    int slot = 0;
    int level = 0;  // 0..4
    std::string name;
    SecretEntries secrets;
};

// Editing one user of the controller's table (the image's table 4). On acceptance the record is
// stored in `target` and the slot to write comes back.
class ChangeAccess {
public:
    explicit ChangeAccess(std::span<const std::uint8_t, kUsersBytes> table);
    const UsersTable& Working() const { return working_; }
    std::variant<UsersRefusal, int> Accept(const ChangeAccessEntries& e,
                                           std::span<std::uint8_t, kUsersBytes> target);

private:
    UsersTable working_;
    std::optional<int> manufacturer_;
    int administrators_ = 0;
    int lastAdministrator_ = -1;
};

struct AccessRow {
    std::optional<int> level;  // none: nothing selected
    std::string name;
};

// The whole table of a configuration, with the password and code of each row set through the
// secret screen into `working`. On acceptance `working` is stored in `target`.
std::optional<UsersRefusal> AcceptAccessTable(const std::array<AccessRow, kUserSlots>& rows,
                                              UsersTable& working,
                                              std::span<std::uint8_t, kUsersBytes> target);

}  // namespace zor06::config
