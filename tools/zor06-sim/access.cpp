#include "zor06-sim/access.h"

#include <algorithm>

#include "text/codepage.h"

namespace zor06::sim {
namespace {

using config::AccessLevel;
using config::UserRecord;

constexpr std::uint8_t kEmptyName = 27;
constexpr std::uint8_t kEmptyCode = 28;
constexpr std::uint8_t kSecondManufacturer = 29;
constexpr std::uint8_t kManufacturerRemoved = 30;
constexpr std::uint8_t kLastAdministratorRemoved = 31;
constexpr std::uint8_t kNotRegistered = 34;
constexpr std::uint8_t kRepeatedName = 33;

constexpr auto kManufacturer = static_cast<std::uint8_t>(AccessLevel::ManufacturerAdjuster);

UserRecord User(const char* utf8Name, AccessLevel level, const char* password, const char* code) {
    UserRecord r = UserRecord::Free();
    r.name = config::BlankPadded<config::kUserNameSize>(text::Utf8ToCp1251(utf8Name));
    r.level = static_cast<std::uint8_t>(level);
    r.password = config::BlankPadded<config::kUserPasswordSize>(password);
    r.code = config::BlankPadded<config::kUserCodeSize>(code);
    return r;
}

bool RepeatedName(const config::UsersTable& users) {
    for (std::size_t i = 0; i < users.size(); ++i) {
        for (std::size_t j = i + 1; j < users.size(); ++j) {
            if (users[i].Registered() && users[j].Registered() && users[i].name == users[j].name) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::uint8_t CheckCredentials(const config::UsersTable& users, Credentials credentials,
                              const std::optional<std::string>& shortcut) {
    if (shortcut) {
        const bool same = std::ranges::equal(
            credentials.first<config::kUserPasswordSize>(), *shortcut,
            [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
        return same ? 0 : kNotRegistered;
    }
    return config::FindUser(users, credentials) ? 0 : kNotRegistered;
}

std::uint8_t CheckUsersWrite(const config::UsersTable& before, const config::UsersTable& after) {
    for (const UserRecord& u : after) {
        if (u.Registered() && u.BlankName()) {
            return kEmptyName;
        }
        if (u.Registered() && u.BlankCode()) {
            return kEmptyCode;
        }
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].level == kManufacturer && after[i].level != kManufacturer) {
            return kManufacturerRemoved;
        }
    }
    if (config::CountLevel(after, AccessLevel::ManufacturerAdjuster) > 1) {
        return kSecondManufacturer;
    }
    if (config::CountLevel(before, AccessLevel::Administrator) > 0 &&
        config::CountLevel(after, AccessLevel::Administrator) == 0) {
        return kLastAdministratorRemoved;
    }
    return RepeatedName(after) ? kRepeatedName : 0;
}

config::UsersTable DefaultUsers() {
    config::UsersTable users;
    users.fill(UserRecord::Free());
    users[0] = User("НАЛ", AccessLevel::ManufacturerAdjuster, "", "1");
    users[1] = User("АДМ", AccessLevel::Administrator, "2222", "2");
    users[2] = User("ОПЕР", AccessLevel::Operator, "4444", "4");
    return users;
}

}  // namespace zor06::sim
