#include "config/users_table.h"

#include <algorithm>

#include "bytes/fields.h"
#include "link/frame_secrets.h"

namespace zor06::config {
namespace {

constexpr std::size_t kLevelAt = kUserNameSize;
constexpr std::size_t kPasswordAt = kLevelAt + 2;
constexpr std::size_t kCodeAt = kPasswordAt + kUserPasswordSize;
// The line's trace hides these bytes of every record it shows.
static_assert(kPasswordAt == link::kUsersSecretAt && kUserRecordSize == link::kUsersRecordSize &&
              kCodeAt + kUserCodeSize == link::kUsersSecretAt + link::kUsersSecretSize);

constexpr std::string_view kLevelTexts[] = {"Нет доступа", "Производитель-наладчик",
                                            "Администратор", "Инженер", "Оператор"};

template <std::size_t N>
bool AllBlank(const std::array<std::uint8_t, N>& field) {
    return std::ranges::all_of(field, [](std::uint8_t b) { return b == ' '; });
}

}  // namespace

std::string_view AccessLevelText(std::uint8_t level) {
    return level < std::size(kLevelTexts) ? kLevelTexts[level] : "?";
}

static_assert(bytes::SizeOf<UserRecord>() == kUserRecordSize);

UserRecord UserRecord::Decode(std::span<const std::uint8_t, kUserRecordSize> bytes) {
    return bytes::DecodeExact<UserRecord>(bytes);
}

void UserRecord::Encode(std::span<std::uint8_t, kUserRecordSize> bytes) const {
    bytes::EncodeTo(*this, bytes);
}

UserRecord UserRecord::Free() {
    UserRecord r;
    r.name.fill(' ');
    r.password.fill(' ');
    r.code.fill(' ');
    return r;
}

bool UserRecord::BlankName() const {
    return AllBlank(name);
}

bool UserRecord::BlankCode() const {
    return AllBlank(code);
}

bool UserRecord::Matches(
    std::span<const std::uint8_t, kUserPasswordSize + kUserCodeSize> credentials) const {
    return Registered() && std::ranges::equal(credentials.first<kUserPasswordSize>(), password) &&
           std::ranges::equal(credentials.last<kUserCodeSize>(), code);
}

UsersTable DecodeUsers(std::span<const std::uint8_t, kUserSlots * kUserRecordSize> bytes) {
    UsersTable users;
    for (int i = 0; i < kUserSlots; ++i) {
        users[static_cast<std::size_t>(i)] = UserRecord::Decode(
            bytes.subspan(static_cast<std::size_t>(i) * kUserRecordSize).first<kUserRecordSize>());
    }
    return users;
}

void EncodeUsers(const UsersTable& users,
                 std::span<std::uint8_t, kUserSlots * kUserRecordSize> bytes) {
    for (int i = 0; i < kUserSlots; ++i) {
        users[static_cast<std::size_t>(i)].Encode(
            bytes.subspan(static_cast<std::size_t>(i) * kUserRecordSize).first<kUserRecordSize>());
    }
}

std::optional<int> FindUser(
    const UsersTable& users,
    std::span<const std::uint8_t, kUserPasswordSize + kUserCodeSize> credentials) {
    for (int i = 0; i < kUserSlots; ++i) {
        if (users[static_cast<std::size_t>(i)].Matches(credentials)) {
            return i;
        }
    }
    return std::nullopt;
}

int CountLevel(const UsersTable& users, AccessLevel level) {
    return static_cast<int>(std::ranges::count_if(users, [level](const UserRecord& u) {
        return u.level == static_cast<std::uint8_t>(level);
    }));
}

}  // namespace zor06::config
