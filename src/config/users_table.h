// The users table (table 4): sixteen records of who may change the controller, as the controller
// keeps them and as configuration files store them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zor06::config {

inline constexpr int kUserSlots = 16;
inline constexpr std::size_t kUserNameSize = 4;
inline constexpr std::size_t kUserPasswordSize = 12;
inline constexpr std::size_t kUserCodeSize = 4;
inline constexpr std::size_t kUserRecordSize = 22;

enum class AccessLevel : std::uint8_t {
    None = 0,  // a free slot
    ManufacturerAdjuster = 1,
    Administrator = 2,
    Engineer = 3,
    Operator = 4,
};

// "Нет доступа", "Производитель-наладчик", ... for levels 0..4; "?" for any other byte.
std::string_view AccessLevelText(std::uint8_t level);

// Name, password and code are Windows-1251 bytes padded on the right with blanks.
struct UserRecord {
    std::array<std::uint8_t, kUserNameSize> name{};
    std::uint8_t level = 0;
    std::uint8_t reserved = 0;  // always 0
    std::array<std::uint8_t, kUserPasswordSize> password{};
    std::array<std::uint8_t, kUserCodeSize> code{};

    static UserRecord Decode(std::span<const std::uint8_t, kUserRecordSize> bytes);
    void Encode(std::span<std::uint8_t, kUserRecordSize> bytes) const;
    // A level-0 record with blank texts.
    static UserRecord Free();

    bool Registered() const { return level != 0; }
    bool BlankName() const;
    bool BlankCode() const;
    // Whether a request's credentials (password then code, as the link sends them) are this
    // registered user's.
    bool Matches(
        std::span<const std::uint8_t, kUserPasswordSize + kUserCodeSize> credentials) const;
    bool operator==(const UserRecord&) const = default;
};

template <class Io>
constexpr void Fields(Io& io, UserRecord& r) {
    io(r.name);
    io(r.level);
    io(r.reserved);
    io(r.password);
    io(r.code);
}
static_assert(kUserNameSize + 2 + kUserPasswordSize + kUserCodeSize == kUserRecordSize);

using UsersTable = std::array<UserRecord, kUserSlots>;

UsersTable DecodeUsers(std::span<const std::uint8_t, kUserSlots * kUserRecordSize> bytes);
void EncodeUsers(const UsersTable& users,
                 std::span<std::uint8_t, kUserSlots * kUserRecordSize> bytes);

// Copies text over blanks of the field's full width, cutting what does not fit.
template <std::size_t N>
std::array<std::uint8_t, N> BlankPadded(std::string_view cp1251) {
    std::array<std::uint8_t, N> field;
    field.fill(' ');
    for (std::size_t i = 0; i < N && i < cp1251.size(); ++i) {
        field[i] = static_cast<std::uint8_t>(cp1251[i]);
    }
    return field;
}

// The slot of the registered user whose credentials these are.
std::optional<int> FindUser(
    const UsersTable& users,
    std::span<const std::uint8_t, kUserPasswordSize + kUserCodeSize> credentials);

int CountLevel(const UsersTable& users, AccessLevel level);

}  // namespace zor06::config
