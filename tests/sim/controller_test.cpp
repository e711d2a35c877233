#include "zor06-sim/controller.h"

#include <gtest/gtest.h>

#include <string>

#include "sim/sim_frames.h"
#include "sim/utc_zone.h"
#include "text/codepage.h"

namespace zor06::sim {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::kAdminCode;
using testing::kAdminPassword;
using testing::ReadRequest;
using testing::Values;
using testing::WriteRequest;

Bytes Ask(Controller& c, const Bytes& request) {
    EXPECT_TRUE(c.Accepts(request));
    const Bytes reply = c.Answer(request);
    EXPECT_TRUE(testing::ValidReply(reply));
    return reply;
}

// Checks an error reply: the request's code without the reply flag, then the error code.
void ExpectError(const Bytes& reply, std::uint8_t code, std::uint8_t error) {
    ASSERT_GE(reply.size(), 7U);
    EXPECT_EQ(reply[3], code);
    EXPECT_EQ(reply[4], error);
}

TEST(ControllerReadTest, Table0IdentifiesTheController) {
    Controller c(ControllerConfig{});
    const Bytes reply = Ask(c, ReadRequest(1, 0, 0, 18));
    ASSERT_EQ(reply.size(), 28U);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 8), (Bytes{0x33, 1, 28, 0x81, 0, 0, 0, 18}));
    const Bytes table = Values(reply);
    EXPECT_EQ(table[0], 0);   // nothing destroyed
    EXPECT_EQ(table[1], 73);  // type
    EXPECT_EQ(table[3], 6);   // software version
    EXPECT_EQ(Bytes(table.begin() + 4, table.begin() + 10), (Bytes{19, 3, 5, 10, 0, 0}));
    EXPECT_EQ(table[12], 1);  // names in Windows-1251
    EXPECT_EQ(Bytes(table.begin() + 14, table.begin() + 17), (Bytes{2, 1, 0}));
}

TEST(ControllerReadTest, PartOfATableComesFromItsFirstField) {
    Controller c(ControllerConfig{});
    const Bytes reply = Ask(c, ReadRequest(1, 41, 1, 1));  // the software checksum alone
    EXPECT_EQ(Bytes(reply.begin() + 4, reply.begin() + 8), (Bytes{0, 41, 1, 1}));
    EXPECT_EQ(Values(reply), (Bytes{0x2E, 0x1F, 0x3C, 0x5A}));
}

TEST(ControllerReadTest, ConfigurationShowsInTheTables) {
    ControllerConfig config;
    config.address = 9;
    config.type = 80;
    config.version = 7;
    config.cp866 = true;
    config.chromatographType = 5;
    config.runs = 1;
    Controller c(config);
    const Bytes t0 = Values(Ask(c, ReadRequest(9, 0, 0, 18)));
    EXPECT_EQ(t0[1], 80);
    EXPECT_EQ(t0[3], 7);
    EXPECT_EQ(t0[12], 0);  // names in code page 866
    EXPECT_EQ(Values(Ask(c, ReadRequest(9, 3, 0, 1))), Bytes{9});
    EXPECT_EQ(Values(Ask(c, ReadRequest(9, 14, 6, 2))), (Bytes{5, 1}));

    Bytes run1 = Values(Ask(c, ReadRequest(9, 5, 1, 1)));
    ASSERT_EQ(run1.size(), 20U);
    EXPECT_EQ(run1[0], 0x8D);  // 'Н' in code page 866
    text::ToCp1251(run1);
    EXPECT_EQ(text::Cp1251ToUtf8({reinterpret_cast<const char*>(run1.data()), run1.size()}),
              "Нитка 1             ");
}

TEST(ControllerAddressingTest, OnlyWholeFramesToItsAddressOrToAllAreAccepted) {
    Controller c(ControllerConfig{});
    EXPECT_TRUE(c.Accepts(ReadRequest(1, 0, 0, 18)));
    EXPECT_TRUE(c.Accepts(ReadRequest(255, 0, 0, 18)));
    EXPECT_FALSE(c.Accepts(ReadRequest(2, 0, 0, 18)));

    Bytes damaged = ReadRequest(1, 0, 0, 18);
    damaged[6] ^= 0x01;
    EXPECT_FALSE(c.Accepts(damaged));
    Bytes truncated = ReadRequest(1, 0, 0, 18);
    truncated.pop_back();
    EXPECT_FALSE(c.Accepts(truncated));
}

TEST(ControllerAddressingTest, BroadcastIsAnsweredFromTheOwnAddress) {
    ControllerConfig config;
    config.address = 17;
    Controller c(config);
    const Bytes reply = Ask(c, ReadRequest(255, 0, 0, 2));
    EXPECT_EQ(reply[1], 17);
}

TEST(ControllerAddressingTest, NewAddressTakesEffectWithTheReplyThatSetsIt) {
    Controller c(ControllerConfig{});
    const Bytes reply = Ask(c, WriteRequest(1, 3, 0, 1, {42}));
    EXPECT_EQ(reply, Ask(c, WriteRequest(42, 3, 0, 1, {42})));  // idempotent from now on
    EXPECT_EQ(reply[1], 42);
    EXPECT_EQ(reply[3], 0x82);
    EXPECT_EQ(c.Address(), 42);
    EXPECT_FALSE(c.Accepts(ReadRequest(1, 0, 0, 1)));
    EXPECT_TRUE(c.Accepts(ReadRequest(42, 0, 0, 1)));
}

TEST(ControllerErrorTest, UnknownFunctionCode) {
    Controller c(ControllerConfig{});
    const Bytes reply = Ask(c, testing::Request(1, 5));
    EXPECT_EQ(reply.size(), 7U);
    ExpectError(reply, 5, 1);
}

TEST(ControllerErrorTest, TablesTheControllerLacks) {
    Controller c(ControllerConfig{});
    for (int table : {1, 29, 31, 43, 200}) {
        ExpectError(Ask(c, ReadRequest(1, table, 0, 1)), 1, 9);
        ExpectError(Ask(c, WriteRequest(1, table, 0, 1, {0})), 2, 9);
    }
}

TEST(ControllerErrorTest, FieldsOutsideTheTable) {
    Controller c(ControllerConfig{});
    ExpectError(Ask(c, ReadRequest(1, 3, 0, 0)), 1, 13);  // no fields
    ExpectError(Ask(c, ReadRequest(1, 3, 2, 3)), 1, 13);  // past the last of 4
    ExpectError(Ask(c, WriteRequest(1, 3, 4, 1, {0})), 2, 13);
    // 11 user records of 22 bytes fit a reply, 12 would make it longer than 255 bytes.
    EXPECT_EQ(Ask(c, ReadRequest(1, 4, 0, 11)).size(), 252U);
    ExpectError(Ask(c, ReadRequest(1, 4, 0, 12)), 1, 13);
}

TEST(ControllerErrorTest, ValuesThatDoNotMatchTheFieldsNamed) {
    Controller c(ControllerConfig{});
    ExpectError(Ask(c, WriteRequest(1, 6, 0, 2, {3})), 2, 13);
    ExpectError(Ask(c, WriteRequest(1, 6, 0, 1, {3, 4})), 2, 13);
    ExpectError(Ask(c, testing::Request(1, 1, {0, 0, 0})), 1, 13);
    EXPECT_EQ(Values(Ask(c, ReadRequest(1, 6, 0, 2))), (Bytes{3, 201}));  // nothing written
}

TEST(ControllerErrorTest, ReadOnlyTables) {
    Controller c(ControllerConfig{});
    ExpectError(Ask(c, WriteRequest(1, 0, 1, 1, {99})), 2, 12);
    ExpectError(Ask(c, WriteRequest(1, 41, 0, 1, {1, 2, 3, 4})), 2, 12);
    EXPECT_EQ(Values(Ask(c, ReadRequest(1, 0, 1, 1))), Bytes{73});
}

TEST(ControllerErrorTest, WrongPasswordWhenOneIsSet) {
    ControllerConfig config;
    config.password = text::Utf8ToCp1251("ключ");
    Controller c(config);
    ExpectError(Ask(c, WriteRequest(1, 6, 0, 1, {7})), 2, 34);
    ExpectError(Ask(c, WriteRequest(1, 6, 0, 1, {7}, "ключ")), 2, 34);  // UTF-8, not 1251
    ExpectError(Ask(c, testing::ClockRequest(1, 10, "wrong")), 12, 34);
    const std::string password = text::Utf8ToCp1251("ключ");
    EXPECT_EQ(Ask(c, WriteRequest(1, 6, 0, 1, {7}, password))[3], 0x82);
    EXPECT_EQ(Ask(c, testing::ClockRequest(1, 10, password))[3], 0x8C);
    EXPECT_EQ(Values(Ask(c, ReadRequest(1, 6, 0, 1))), Bytes{7});
}

TEST(ControllerAccessTest, OnlyRegisteredUsersMayWrite) {
    Controller c(ControllerConfig{});
    struct Case {
        const char* password;
        const char* code;
        bool passes;
    } const cases[] = {
        {"2222", "2", true},   // administrator
        {"4444", "4", true},   // operator
        {"", "1", true},       // manufacturer-adjuster without a password
        {"2222", "4", false},  // password of one user, code of another
        {"", "", false},       // blank credentials match no free slot
        {"whatever", "2", false},
    };
    for (const Case& k : cases) {
        const Bytes write = Ask(c, WriteRequest(1, 6, 0, 1, {7}, k.password, k.code));
        const Bytes clock = Ask(c, testing::ClockRequest(1, 1, k.password, k.code));
        if (k.passes) {
            EXPECT_EQ(write[3], 0x82) << k.password << "/" << k.code;
            EXPECT_EQ(clock[3], 0x8C) << k.password << "/" << k.code;
        } else {
            ExpectError(write, 2, 34);
            ExpectError(clock, 12, 34);
        }
    }
}

// One users-table record as the controller keeps it.
Bytes UserRecord(std::string_view name, std::uint8_t level, std::string_view password,
                 std::string_view code) {
    Bytes r(22, ' ');
    std::copy(name.begin(), name.end(), r.begin());
    r[4] = level;
    r[5] = 0;
    std::copy(password.begin(), password.end(), r.begin() + 6);
    std::copy(code.begin(), code.end(), r.begin() + 18);
    return r;
}

TEST(ControllerAccessTest, UsersTableWritesKeepTheRules) {
    const Bytes freeSlot = UserRecord("", 0, "", "");
    struct Case {
        const char* what;
        int slot;
        Bytes record;
        int error;  // 0: accepted
    } const cases[] = {
        {"a new engineer", 3, UserRecord("INZ", 3, "33", "3"), 0},
        {"a user without a name", 3, UserRecord("", 3, "33", "3"), 27},
        {"a user without a code", 3, UserRecord("INZ", 3, "33", ""), 28},
        {"a second manufacturer-adjuster", 3, UserRecord("NAL2", 1, "", "9"), 29},
        {"the manufacturer-adjuster deleted", 0, freeSlot, 30},
        {"the manufacturer-adjuster made an engineer", 0, UserRecord("NAL", 3, "", "1"), 30},
        {"the only administrator deleted", 1, freeSlot, 31},
        {"a repeated name", 3, UserRecord("OPER", 3, "33", "3"), 33},
    };
    for (const Case& k : cases) {
        Controller c(ControllerConfig{});
        // Latin names keep the cases readable; the operator's name is made Latin first.
        ASSERT_EQ(Ask(c, WriteRequest(1, 4, 2, 1, UserRecord("OPER", 4, "4444", "4")))[3], 0x82);
        const Bytes reply = Ask(c, WriteRequest(1, 4, k.slot, 1, k.record));
        if (k.error == 0) {
            EXPECT_EQ(reply[3], 0x82) << k.what;
            EXPECT_EQ(Values(Ask(c, ReadRequest(1, 4, k.slot, 1))), k.record) << k.what;
        } else {
            ExpectError(reply, 2, k.error);
        }
    }
}

TEST(ControllerAccessTest, TheSecondAdministratorMayGo) {
    Controller c(ControllerConfig{});
    ASSERT_EQ(Ask(c, WriteRequest(1, 4, 5, 1, UserRecord("ADM2", 2, "5", "5")))[3], 0x82);
    EXPECT_EQ(Ask(c, WriteRequest(1, 4, 1, 1, UserRecord("", 0, "", "")))[3], 0x82);
    ExpectError(Ask(c, WriteRequest(1, 4, 5, 1, UserRecord("", 0, "", ""), "5", "5")), 2, 31);
}

class DestroyedTableTest : public ::testing::Test {
protected:
    static ControllerConfig Config() {
        ControllerConfig config;
        config.destroyedTables = {18, 6, 4};
        return config;
    }
    Bytes Lowest() { return Values(Ask(c_, ReadRequest(1, 0, 0, 1))); }
    Controller c_{Config()};
};

TEST_F(DestroyedTableTest, AreReportedInTables0And7) {
    EXPECT_EQ(Lowest(), Bytes{4});
    const Bytes states = Values(Ask(c_, ReadRequest(1, 7, 0, 43)));
    for (int t = 0; t < 43; ++t) {
        EXPECT_EQ(states[static_cast<std::size_t>(t)], t == 4 || t == 6 || t == 18 ? 1 : 0) << t;
    }
}

TEST_F(DestroyedTableTest, ReadsAreRefusedWithTheTableRead) {
    for (const int table : {4, 6, 18}) {
        const Bytes read = Ask(c_, ReadRequest(1, table, 0, 1));
        EXPECT_EQ(read.size(), 9U);
        ExpectError(read, 1, 60);
        EXPECT_EQ(read[5], 0);
        EXPECT_EQ(read[6], table);
    }
    EXPECT_EQ(Ask(c_, ReadRequest(1, 5, 0, 1))[3], 0x81);  // other tables stay readable
}

TEST_F(DestroyedTableTest, EveryFieldMustBeWrittenBeforeTheTableIsIntact) {
    // Table 18 in three requests, one field written twice; the last field completes it.
    EXPECT_EQ(Ask(c_, WriteRequest(1, 18, 0, 8, Bytes(8, 3)))[3], 0x82);
    EXPECT_EQ(Ask(c_, WriteRequest(1, 18, 7, 8, Bytes(8, 4)))[3], 0x82);
    ExpectError(Ask(c_, ReadRequest(1, 18, 0, 1)), 1, 60);
    EXPECT_EQ(Values(Ask(c_, ReadRequest(1, 7, 18, 1))), Bytes{1});
    EXPECT_EQ(Ask(c_, WriteRequest(1, 18, 15, 1, Bytes{5}))[3], 0x82);
    EXPECT_EQ(Values(Ask(c_, ReadRequest(1, 7, 18, 1))), Bytes{0});
    const Bytes expected = Concat({Bytes(7, 3), Bytes(8, 4), Bytes{5}});
    EXPECT_EQ(Values(Ask(c_, ReadRequest(1, 18, 0, 16))), expected);
    EXPECT_EQ(Lowest(), Bytes{4});  // the others are still destroyed
}

TEST_F(DestroyedTableTest, Table0NamesTheNextDestroyedTableAsTheyAreRepaired) {
    const Bytes users = Concat({UserRecord("NAL", 1, "", "1"), Bytes(15 * 22, ' ')});
    EXPECT_EQ(
        Ask(c_, WriteRequest(1, 4, 0, 10, Bytes(users.begin(), users.begin() + 220), "", ""))[3],
        0x82);
    EXPECT_EQ(Lowest(), Bytes{4});
    EXPECT_EQ(
        Ask(c_, WriteRequest(1, 4, 10, 6, Bytes(users.begin() + 220, users.end()), "", ""))[3],
        0x82);
    EXPECT_EQ(Lowest(), Bytes{6});
    const Bytes system{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(Ask(c_, WriteRequest(1, 6, 0, 12, system, "", "1"))[3], 0x82);
    EXPECT_EQ(Values(Ask(c_, ReadRequest(1, 6, 0, 12))), system);
    EXPECT_EQ(Lowest(), Bytes{18});
    EXPECT_EQ(Ask(c_, WriteRequest(1, 18, 0, 16, Bytes(16, 2), "", "1"))[3], 0x82);
    EXPECT_EQ(Lowest(), Bytes{0});
}

TEST_F(DestroyedTableTest, ADestroyedUsersTableTakesBlankCredentialsOnly) {
    const Bytes users = Concat({UserRecord("NAL", 1, "", "1"), Bytes(15 * 22, ' ')});
    const struct {
        std::string_view password;
        std::string_view code;
        bool passes;
    } cases[] = {
        {kAdminPassword, kAdminCode, false},  // a user of the lost table
        {"", "1", false},
        {"", "", true},
    };
    for (const auto& k : cases) {
        const Bytes reply =
            Ask(c_, WriteRequest(1, 4, 0, 10, Bytes(users.begin(), users.begin() + 220), k.password,
                                 k.code));
        if (k.passes) {
            EXPECT_EQ(reply[3], 0x82) << k.code;
        } else {
            ExpectError(reply, 2, 34);
        }
    }
    // The rest of the table as well, and then the new users are the ones who may write.
    EXPECT_EQ(
        Ask(c_, WriteRequest(1, 4, 10, 6, Bytes(users.begin() + 220, users.end()), "", ""))[3],
        0x82);
    ExpectError(Ask(c_, WriteRequest(1, 5, 0, 1, Bytes(20, 'x'))), 2, 34);
    EXPECT_EQ(Ask(c_, WriteRequest(1, 5, 0, 1, Bytes(20, 'x'), "", "1"))[3], 0x82);
}

// The controller's clock, on a fixed host time in UTC: 2024-03-05 10:20:30, a Tuesday.
class ControllerClockTest : public testing::UtcZoneTest {
protected:
    Bytes Now() { return Values(Ask(c_, ReadRequest(1, 2, 0, 8))); }

    Controller c_{ControllerConfig{}, [] { return std::time_t{1709634030}; }};
};

TEST_F(ControllerClockTest, ReadsTheHostTime) {
    EXPECT_EQ(Now(), (Bytes{24, 3, 5, 10, 20, 30, 3, 128}));
}

TEST_F(ControllerClockTest, CorrectionMovesTheClockBothWays) {
    EXPECT_EQ(Ask(c_, testing::ClockRequest(1, 90)).size(), 6U);
    EXPECT_EQ(Now(), (Bytes{24, 3, 5, 10, 22, 0, 3, 128}));
    Ask(c_, testing::ClockRequest(1, -3600));
    EXPECT_EQ(Now(), (Bytes{24, 3, 5, 9, 22, 0, 3, 128}));
}

TEST_F(ControllerClockTest, RefusesCorrectionsItMustNotMake) {
    ExpectError(Ask(c_, testing::ClockRequest(1, 3601)), 12, 17);
    ExpectError(Ask(c_, testing::ClockRequest(1, -32768)), 12, 17);
    Ask(c_, WriteRequest(1, 6, 11, 1, {0}));  // setting the clock from the PC forbidden
    ExpectError(Ask(c_, testing::ClockRequest(1, 10)), 12, 6);
    EXPECT_EQ(Now(), (Bytes{24, 3, 5, 10, 20, 30, 3, 128}));
}

TEST_F(ControllerClockTest, TimeTypeFollowsTheRulesOfTable6) {
    Ask(c_, WriteRequest(1, 2, 0, 6, {24, 7, 1, 12, 0, 0}));
    EXPECT_EQ(Now()[7], 0);  // summer: last Sunday of March to last Sunday of October
    Ask(c_, WriteRequest(1, 6, 0, 1, {0}));
    Ask(c_, WriteRequest(1, 6, 3, 1, {0}));
    EXPECT_EQ(Now()[7], 128);  // no change of time: winter all year
}

TEST(ControllerClock, StartsAtAGivenTimeWithTheChromatographAhead) {
    ControllerConfig config;
    config.startTime = std::time_t{1709634030} - 3600;
    config.chromatographClockOffset = -75;
    Controller c(config, [] { return std::time_t{1709634030}; });
    const Bytes controller = Values(Ask(c, ReadRequest(1, 2, 0, 6)));
    const Bytes chromatograph = Values(Ask(c, ReadRequest(1, 42, 0, 6)));
    std::tm expected{};
    const std::time_t start = *config.startTime;
    localtime_r(&start, &expected);
    EXPECT_EQ(controller[3], expected.tm_hour);
    EXPECT_EQ(controller[4], expected.tm_min);
    EXPECT_EQ(controller[5], expected.tm_sec);
    const int controllerS = controller[3] * 3600 + controller[4] * 60 + controller[5];
    const int chromatographS = chromatograph[3] * 3600 + chromatograph[4] * 60 + chromatograph[5];
    EXPECT_EQ((controllerS - chromatographS + 86400) % 86400, 75);
}

TEST_F(ControllerClockTest, WritingTheDateSetsTheClock) {
    Ask(c_, WriteRequest(1, 2, 0, 6, {23, 12, 31, 23, 59, 50}));
    EXPECT_EQ(Now(), (Bytes{23, 12, 31, 23, 59, 50, 1, 128}));  // a Sunday
    Ask(c_, WriteRequest(1, 2, 3, 1, {8}));                     // the hour alone
    EXPECT_EQ(Now(), (Bytes{23, 12, 31, 8, 59, 50, 1, 128}));
}

}  // namespace
}  // namespace zor06::sim
