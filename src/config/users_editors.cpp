#include "config/users_editors.h"

#include <algorithm>

#include "config/text_field.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

constexpr auto kManufacturer = static_cast<int>(AccessLevel::ManufacturerAdjuster);
constexpr auto kAdministrator = static_cast<int>(AccessLevel::Administrator);

UsersRefusal Refused(std::string text1, std::string text2 = {},
                     EmptyEntries empty = EmptyEntries::None) {
    return {Refuse(std::move(text1), std::move(text2)), empty};
}

bool AllDigits(const std::string& text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

template <std::size_t N>
std::array<std::uint8_t, N> Padded(const std::string& utf8) {
    return BlankPadded<N>(text::Utf8ToCp1251(utf8));
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::optional<UsersRefusal> CheckSecrets(const SecretEntries& s) {
    if (s.password != s.passwordAgain) {
        return Refused("Несовпадение введенных паролей", "Повторите процесс сначала",
                       EmptyEntries::Passwords);
    }
    if (s.code != s.codeAgain) {
        return Refused("Несовпадение введенных кодов", "Повторите процесс сначала",
                       EmptyEntries::Codes);
    }
    if (s.code.empty()) {
        return Refused("Не задан код идентификации пользователя");
    }
    // The program user's screen takes digits only; a code with anything else could never be
    // entered there.
    if (!AllDigits(s.code)) {
        return Refused("Код идентификации пользователя", "должен состоять из цифр",
                       EmptyEntries::Codes);
    }
    return std::nullopt;
}

std::variant<UsersRefusal, UserSecret> AcceptUserSecret(const SecretEntries& s) {
    if (auto refusal = CheckSecrets(s)) {
        return *refusal;
    }
    UserSecret secret{};
    const auto password = Padded<kUserPasswordSize>(s.password);
    const auto code = Padded<kUserCodeSize>(s.code);
    std::ranges::copy(password, secret.begin());
    std::ranges::copy(code, secret.begin() + kUserPasswordSize);
    return secret;
}

std::string SlotCaption(const UserRecord& user) {
    if (user.BlankName()) {
        return "   --   ";
    }
    return TrimmedField(user.name);
}

ChangeAccess::ChangeAccess(std::span<const std::uint8_t, kUsersBytes> table)
    : working_(DecodeUsers(table)) {
    for (int i = 0; i < kUserSlots; ++i) {
        const int level = working_[static_cast<std::size_t>(i)].level;
        if (level == kManufacturer && !manufacturer_) {
            manufacturer_ = i;
        }
        if (level == kAdministrator) {
            ++administrators_;
            lastAdministrator_ = i;
        }
    }
}

std::variant<UsersRefusal, int> ChangeAccess::Accept(const ChangeAccessEntries& e,
                                                     std::span<std::uint8_t, kUsersBytes> target) {
    if (e.slot < 0 || e.slot >= kUserSlots || e.level < 0 || e.level > 4) {
        return Refused("Введены не все параметры");
    }
    const auto i = static_cast<std::size_t>(e.slot);
    if (manufacturer_ == e.slot && e.level != kManufacturer) {
        return Refused("Вы не можете удалить пользователя",
                       "с уровнем доступа \"Производитель-наладчик\"");
    }
    if (manufacturer_ != e.slot && e.level == kManufacturer) {
        return Refused("Может быть зарегистрирован", "только один производитель-наладчик");
    }
    if (administrators_ == 1 && lastAdministrator_ == e.slot && e.level != kAdministrator) {
        return Refused("Вы не можете удалить единственного пользователя",
                       "с уровнем доступа \"Администратор\"");
    }
    const auto record = target.subspan(i * kUserRecordSize).first<kUserRecordSize>();
    if (e.level == 0) {
        UserRecord deleted = UserRecord::Free();
        deleted.reserved = UserRecord::Decode(record).reserved;
        deleted.Encode(record);
        return e.slot;
    }
    if (auto refusal = CheckSecrets(e.secrets)) {
        return *refusal;
    }
    if (Blank(e.name)) {
        return Refused(text::Printf("Номер пользователя в таблице - %d.", e.slot + 1),
                       "Не задано имя пользователя");
    }
    UserRecord& user = working_[i];
    user.name = Padded<kUserNameSize>(e.name);
    user.level = static_cast<std::uint8_t>(e.level);
    user.password = Padded<kUserPasswordSize>(e.secrets.password);
    user.code = Padded<kUserCodeSize>(e.secrets.code);
    for (int j = 0; j < kUserSlots; ++j) {
        if (j != e.slot && working_[static_cast<std::size_t>(j)].name == user.name) {
            return Refused(text::Printf("Пользователи   %d и % d.", e.slot + 1, j + 1),
                           "Совпадение имен пользователей");
        }
    }
    user.Encode(record);
    return e.slot;
}

std::optional<UsersRefusal> AcceptAccessTable(const std::array<AccessRow, kUserSlots>& rows,
                                              UsersTable& working,
                                              std::span<std::uint8_t, kUsersBytes> target) {
    for (std::size_t m = 0; m < rows.size(); ++m) {
        UserRecord& u = working[m];
        const int level = rows[m].level.value_or(0);
        u.level = static_cast<std::uint8_t>(std::clamp(level, 0, 4));
        u.name = Padded<kUserNameSize>(u.level != 0 ? Trim(rows[m].name) : std::string());
        if (u.level == 0) {
            u.password.fill(' ');
            u.code.fill(' ');
        }
        u.reserved = 0;
    }
    const int manufacturers = CountLevel(working, AccessLevel::ManufacturerAdjuster);
    if (manufacturers == 0) {
        return Refused("В списке зарегистрированных пользователей",
                       "не зарегистрирован производитель-наладчик");
    }
    if (manufacturers > 1) {
        return Refused("Может быть зарегистрирован", "только один производитель-наладчик");
    }
    for (int m = 0; m < kUserSlots; ++m) {
        const UserRecord& u = working[static_cast<std::size_t>(m)];
        if (!u.Registered()) {
            continue;
        }
        const std::string number = text::Printf("Номер пользователя в таблице: %d.", m + 1);
        if (u.BlankName()) {
            return Refused(number, "Не задано имя пользователя");
        }
        if (u.BlankCode()) {
            return Refused(number, "Не задан код идентификации пользователя");
        }
        for (int n = m + 1; n < kUserSlots; ++n) {
            const UserRecord& other = working[static_cast<std::size_t>(n)];
            if (!other.Registered()) {
                continue;
            }
            const std::string pair = text::Printf("Пользователи   %d и %d.", m + 1, n + 1);
            if (other.name == u.name) {
                return Refused(pair, "Совпадение имен пользователей");
            }
            if (other.code == u.code) {
                return Refused(pair, "Совпадение кодов идентификации пользователя");
            }
        }
    }
    EncodeUsers(working, target);
    return std::nullopt;
}

}  // namespace zor06::config
