// The checks a configuration passes before its tables go to the controller, and what lands in the
// image.
#include "config/prepare_image.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/config_file.h"
#include "config/flow_computers.h"
#include "config/users_table.h"
#include "tests/support/recording_operator.h"

namespace zor06::config {
namespace {

void SetUser(ConfigBuffer& b, int slot, const char* name, std::uint8_t level, const char* code) {
    const auto bytes = b.Part(part::kUsers).first<kUserSlots * kUserRecordSize>();
    UsersTable users = DecodeUsers(bytes);
    UserRecord& u = users[static_cast<std::size_t>(slot)];
    u.name = BlankPadded<kUserNameSize>(name);
    u.level = level;
    u.code = BlankPadded<kUserCodeSize>(code);
    EncodeUsers(users, bytes);
}

FlowRecord Flow(const ConfigBuffer& b, int i) {
    return FlowRecord::Decode(b.Part(part::kFlowComputers)
                                  .subspan(std::size_t(i) * kFlowRecordSize)
                                  .first<kFlowRecordSize>());
}

void SetFlowAddress(ConfigBuffer& b, int i, std::uint8_t address) {
    FlowRecord r = Flow(b, i);
    r.address = address;
    r.Encode(b.Part(part::kFlowComputers)
                 .subspan(std::size_t(i) * kFlowRecordSize)
                 .first<kFlowRecordSize>());
}

// A configuration that passes every check: one manufacturer-adjuster and one operator.
ConfigBuffer Good() {
    ConfigBuffer b = NewConfiguration();
    SetUser(b, 0, "NAL", 1, "1");
    SetUser(b, 3, "OPER", 4, "4");
    return b;
}

constexpr char kBadFlowCount[] = "Неверно задано количество вычислителей РГ";
constexpr char kFlowCountRange[] = "(допускается от 1 до 16)";

struct Case {
    const char* what;
    std::function<void(ConfigBuffer&)> change;
    bool withUsers;
    const char* text1;  // nullptr: accepted
    const char* text2;
};

TEST(PrepareImageTest, RefusesTheFirstFaultWithItsMessage) {
    const Case cases[] = {
        {"good", [](ConfigBuffer&) {}, true, nullptr, nullptr},
        {"no manufacturer", [](ConfigBuffer& b) { SetUser(b, 0, "NAL", 2, "1"); }, true,
         "В списке зарегистрированных пользователей", "не зарегистрирован производитель-наладчик"},
        {"no manufacturer, users not written",
         [](ConfigBuffer& b) { SetUser(b, 0, "NAL", 2, "1"); }, false, nullptr, nullptr},
        {"two manufacturers", [](ConfigBuffer& b) { SetUser(b, 5, "NAL2", 1, "9"); }, true,
         "Может быть зарегистрирован", "только один производитель-наладчик"},
        {"a free record's leftovers do not count",
         [](ConfigBuffer& b) { SetUser(b, 7, "", 0, "4"); }, true, nullptr, nullptr},
        {"no name", [](ConfigBuffer& b) { SetUser(b, 3, "", 4, "4"); }, true,
         "Номер пользователя в таблице: 4.", "Не задано имя пользователя"},
        {"no code", [](ConfigBuffer& b) { SetUser(b, 3, "OPER", 4, ""); }, true,
         "Номер пользователя в таблице: 4.", "Не задан код идентификации пользователя"},
        {"same names", [](ConfigBuffer& b) { SetUser(b, 9, "OPER", 3, "7"); }, true,
         "Пользователи   4 и 10.", "Совпадение имен пользователей"},
        {"same codes", [](ConfigBuffer& b) { SetUser(b, 9, "INZ", 3, "4"); }, true,
         "Пользователи   4 и 10.", "Совпадение кодов идентификации пользователя"},
        {"chromatograph address 0", [](ConfigBuffer& b) { b.Part(part::kChromatograph)[0] = 0; },
         false, "Неверно задан адрес хроматографа", ""},
        {"no chromatograph, address 0",
         [](ConfigBuffer& b) {
             b.Part(part::kChromatograph)[0] = 0;
             b.Part(part::kSystem)[7] = 0;
         },
         false, nullptr, nullptr},
        {"moisture meter address 0",
         [](ConfigBuffer& b) {
             b.Part(part::kSystem)[8] = 1;
             b.Part(part::kMoisture)[0] = 0;
         },
         false, "Неверно задан адрес влагомера", ""},
        {"second flow computer address 0",
         [](ConfigBuffer& b) {
             b.Part(part::kFlowLine)[0] = 2;
             SetFlowAddress(b, 1, 0);
         },
         false, "Неверно заданы адреса вычислителей РГ", ""},
        {"an address 0 past the count", [](ConfigBuffer& b) { SetFlowAddress(b, 1, 0); }, false,
         nullptr, nullptr},
        {"a count past the sixteen entries",
         [](ConfigBuffer& b) { b.Part(part::kFlowLine)[0] = 200; }, false, kBadFlowCount,
         kFlowCountRange},
        {"a count of 17", [](ConfigBuffer& b) { b.Part(part::kFlowLine)[0] = 17; }, false,
         kBadFlowCount, kFlowCountRange},
        {"a count of 0, no flow computers",
         [](ConfigBuffer& b) {
             b.Part(part::kFlowLine)[0] = 0;
             b.Part(part::kSystem)[9] = 0;
         },
         false, kBadFlowCount, kFlowCountRange},
        {"sixteen", [](ConfigBuffer& b) { b.Part(part::kFlowLine)[0] = 16; }, false, nullptr,
         nullptr},
    };
    for (const Case& c : cases) {
        ConfigBuffer b = Good();
        c.change(b);
        tables::ControllerImage image;
        test::RecordingOperator op;
        const bool ok = PrepareImage(b, image, c.withUsers, op);
        EXPECT_EQ(ok, c.text1 == nullptr) << c.what;
        if (c.text1 == nullptr) {
            EXPECT_TRUE(op.messages.empty()) << c.what;
        } else {
            ASSERT_EQ(op.messages.size(), 1U) << c.what;
            EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::InputError) << c.what;
            EXPECT_EQ(op.messages[0].text1, c.text1) << c.what;
            EXPECT_EQ(op.messages[0].text2, c.text2) << c.what;
        }
    }
}

TEST(PrepareImageTest, TheImageHoldsEveryPartOfTheConfiguration) {
    ConfigBuffer b = Good();
    FlowRecord second = Flow(b, 1);
    second.password = BlankPadded<kFlowPasswordSize>("secret");
    second.type = 1;
    second.Encode(b.Part(part::kFlowComputers).subspan(kFlowRecordSize).first<kFlowRecordSize>());
    b.Part(part::kLimits)[4 * kLimitBlockSize + 3] = 0x7E;  // limit kind 4, parameter 0
    const std::size_t reservedOfThird = 2 * kUserRecordSize + kUserNameSize + 1;
    b.Part(part::kUsers)[reservedOfThird] = 7;
    tables::ControllerImage image;
    test::RecordingOperator op;
    ASSERT_TRUE(PrepareImage(b, image, true, op));
    EXPECT_EQ(image.Field(4, 2)[kUserNameSize + 1], 0);
    b.Part(part::kUsers)[reservedOfThird] = 0;

    ConfigBuffer back;
    CopyImageToBuffer(image, back);
    for (const ConfigPart p :
         {part::kNames, part::kUpperLink, part::kUsers, part::kSystem, part::kChromatograph,
          part::kMoisture, part::kFlowLine, part::kWriteChoices, part::kLimits, part::kPeriod}) {
        EXPECT_TRUE(std::ranges::equal(back.Part(p), b.Part(p))) << p.offset;
    }
    EXPECT_EQ(image.Byte(17, 1), 1);
    EXPECT_EQ(image.Byte(18, 1), 2);
    EXPECT_TRUE(std::ranges::equal(image.Field(13, 1), second.password));
}

}  // namespace
}  // namespace zor06::config
