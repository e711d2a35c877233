// The users screens' checks: levels that must stay, secrets typed twice, names and codes that
// must differ.
#include <gtest/gtest.h>

#include <string>

#include "config/users_editors.h"
#include "text/codepage.h"

namespace zor06::config {
namespace {

UserRecord User(const char* name, AccessLevel level, const char* password, const char* code) {
    UserRecord u = UserRecord::Free();
    u.name = BlankPadded<kUserNameSize>(name);
    u.level = static_cast<std::uint8_t>(level);
    u.password = BlankPadded<kUserPasswordSize>(password);
    u.code = BlankPadded<kUserCodeSize>(code);
    return u;
}

std::array<std::uint8_t, kUsersBytes> Table(std::initializer_list<UserRecord> users) {
    UsersTable t;
    t.fill(UserRecord::Free());
    std::copy(users.begin(), users.end(), t.begin());
    std::array<std::uint8_t, kUsersBytes> bytes{};
    EncodeUsers(t, bytes);
    return bytes;
}

const auto kOneAdmin = Table({User("NAL", AccessLevel::ManufacturerAdjuster, "", "1"),
                              User("ADM", AccessLevel::Administrator, "22", "2")});

ChangeAccessEntries Entries(int slot, AccessLevel level, const char* name, const char* code,
                            const char* password) {
    return {slot, static_cast<int>(level), name, {code, code, password, password}};
}

std::string Outcome(const std::variant<UsersRefusal, int>& r) {
    if (const auto* refusal = std::get_if<UsersRefusal>(&r)) {
        return refusal->error.text1 + " / " + refusal->error.text2;
    }
    return "slot " + std::to_string(std::get<int>(r));
}

TEST(ChangeAccess, KeepsTheLevelsThatMustStay) {
    struct Case {
        ChangeAccessEntries entries;
        const char* outcome;
    } const cases[] = {
        {Entries(0, AccessLevel::Engineer, "NAL", "1", ""),
         "Вы не можете удалить пользователя / с уровнем доступа \"Производитель-наладчик\""},
        {Entries(5, AccessLevel::ManufacturerAdjuster, "NEW", "5", ""),
         "Может быть зарегистрирован / только один производитель-наладчик"},
        {Entries(1, AccessLevel::Operator, "ADM", "2", ""),
         "Вы не можете удалить единственного пользователя / с уровнем доступа \"Администратор\""},
        {Entries(5, AccessLevel::Operator, "", "5", ""),
         "Номер пользователя в таблице - 6. / Не задано имя пользователя"},
        {Entries(5, AccessLevel::Operator, "ADM", "5", ""),
         "Пользователи   6 и  2. / Совпадение имен пользователей"},
        {Entries(5, AccessLevel::Operator, "OP", "", ""),
         "Не задан код идентификации пользователя / "},
        {Entries(5, AccessLevel::Operator, "OP", "2", "secret"), "slot 5"},  // a code may repeat
        {Entries(3, AccessLevel::None, "", "", ""), "slot 3"},
    };
    for (const Case& c : cases) {
        ChangeAccess screen(kOneAdmin);
        auto target = kOneAdmin;
        const auto result = screen.Accept(c.entries, target);
        EXPECT_EQ(Outcome(result), c.outcome);
        if (std::holds_alternative<UsersRefusal>(result)) {
            EXPECT_EQ(target, kOneAdmin) << c.outcome;
        }
    }
}

TEST(ChangeAccess, StoresTheRecordOverBlanksAndDeletesToAFreeSlot) {
    auto table = Table({User("NAL", AccessLevel::ManufacturerAdjuster, "", "1"),
                        User("ADM", AccessLevel::Administrator, "22", "2"),
                        User("AD2", AccessLevel::Administrator, "33", "3")});
    ChangeAccess screen(table);
    ASSERT_EQ(Outcome(screen.Accept(Entries(1, AccessLevel::Operator, "OP", "12", ""), table)),
              "slot 1");  // two administrators: one may go
    const UsersTable users = DecodeUsers(table);
    EXPECT_EQ(users[1], User("OP", AccessLevel::Operator, "", "12"));
    EXPECT_NE(users[1].code, User("", AccessLevel::None, "", "0012").code);

    ChangeAccess again(table);
    ASSERT_EQ(Outcome(again.Accept(Entries(1, AccessLevel::None, "", "", ""), table)), "slot 1");
    EXPECT_EQ(DecodeUsers(table)[1], UserRecord::Free());
}

TEST(UserSecret, MismatchesEmptyTheirEntriesAndCodesAreDigits) {
    struct Case {
        SecretEntries entries;
        const char* text1;
        EmptyEntries empty;
    } const cases[] = {
        {{"1", "1", "a", "b"}, "Несовпадение введенных паролей", EmptyEntries::Passwords},
        {{"1", "2", "a", "a"}, "Несовпадение введенных кодов", EmptyEntries::Codes},
        {{"", "", "a", "a"}, "Не задан код идентификации пользователя", EmptyEntries::None},
        {{"1a", "1a", "", ""}, "Код идентификации пользователя", EmptyEntries::Codes},
    };
    for (const Case& c : cases) {
        const auto r = AcceptUserSecret(c.entries);
        ASSERT_TRUE(std::holds_alternative<UsersRefusal>(r)) << c.text1;
        EXPECT_EQ(std::get<UsersRefusal>(r).error.text1, c.text1);
        EXPECT_EQ(std::get<UsersRefusal>(r).empty, c.empty) << c.text1;
    }
    const auto ok = AcceptUserSecret({"12", "12", "", ""});
    ASSERT_TRUE(std::holds_alternative<UserSecret>(ok));
    const UserSecret& s = std::get<UserSecret>(ok);
    EXPECT_EQ(std::string(s.begin(), s.end()), std::string(12, ' ') + "12  ");
}

TEST(AccessTable, RefusesWhatTheControllerWouldAndStoresTheRest) {
    const UsersTable start = DecodeUsers(kOneAdmin);
    std::array<AccessRow, kUserSlots> rows{};
    rows[0] = {1, "NAL"};
    rows[1] = {2, "ADM"};
    struct Case {
        const char* what;
        void (*edit)(std::array<AccessRow, kUserSlots>&, UsersTable&);
        const char* text2;  // empty: accepted
    } const cases[] = {
        {"unchanged", [](auto&, auto&) {}, ""},
        {"no manufacturer", [](auto& r, auto&) { r[0].level = 3; },
         "не зарегистрирован производитель-наладчик"},
        {"two manufacturers", [](auto& r, auto&) { r[1].level = 1; },
         "только один производитель-наладчик"},
        {"a user without a name",
         [](auto& r, auto& w) {
             r[4] = {4, " "};
             w[4].code = BlankPadded<kUserCodeSize>("4");
         },
         "Не задано имя пользователя"},
        {"a user without a code",
         [](auto& r, auto&) {
             r[4] = {4, "OP"};
         },
         "Не задан код идентификации пользователя"},
        {"the same code",
         [](auto& r, auto& w) {
             r[4] = {4, "OP"};
             w[4].code = BlankPadded<kUserCodeSize>("2");
         },
         "Совпадение кодов идентификации пользователя"},
        {"codes 12 and 0012 differ",
         [](auto& r, auto& w) {
             r[4] = {4, "OP"};
             r[5] = {4, "OP2"};
             w[4].code = BlankPadded<kUserCodeSize>("12");
             w[5].code = BlankPadded<kUserCodeSize>("0012");
         },
         ""},
    };
    for (const Case& c : cases) {
        auto r = rows;
        UsersTable working = start;
        c.edit(r, working);
        auto target = kOneAdmin;
        const auto refusal = AcceptAccessTable(r, working, target);
        EXPECT_EQ(refusal ? refusal->error.text2 : std::string(), c.text2) << c.what;
        if (refusal) {
            EXPECT_EQ(target, kOneAdmin) << c.what;
        }
    }
}

}  // namespace
}  // namespace zor06::config
