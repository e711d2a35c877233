// The device-mode editing of tables against the simulated controller over a pseudo-terminal:
// only changed fields are written, names travel in the controller's code page, and the program
// follows a new address and baud rate of the line it uses.
#include <gtest/gtest.h>

#include <algorithm>

#include "config/access_command.h"
#include "config/clock_command.h"
#include "config/clock_view.h"
#include "config/device_edit.h"
#include "config/flow_commands.h"
#include "config/limits_editor.h"
#include "config/names_editor.h"
#include "config/upper_link_editor.h"
#include "config/upper_link_follow.h"
#include "link/hgcbox.h"
#include "tables/table_service.h"
#include "tests/e2e/sim_link.h"
#include "tests/support/recording_operator.h"
#include "tests/support/sim_process.h"
#include "text/codepage.h"

namespace zor06::test {
namespace {

class DeviceEditTest : public ::testing::Test {
protected:
    void Start(std::vector<std::string> args = {}) {
        args.insert(args.begin(), "--pty");
        sim_ = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
        ASSERT_TRUE(OpenPtyAsAdministrator(link_, *sim_));
    }
    config::DeviceEditResult EditNames(const config::Names& names) {
        const config::DeviceEdit edit{{{5, 0, 3}}, {5, 0, 3}, true};
        return config::RunDeviceEdit(ctx_, edit, [&](std::span<std::uint8_t> target) {
            return !config::AcceptNames(names, target.first<config::kNamesBytes>());
        });
    }
    std::string RawName(int field) {
        EXPECT_TRUE(tables::ReadFields(ctx_, {5, static_cast<std::uint8_t>(field), 1}));
        const auto bytes = image_.Field(5, field);
        return {bytes.begin(), std::find(bytes.begin(), bytes.end(), 0)};
    }

    std::unique_ptr<SimProcess> sim_;
    link::hgcbox link_;
    tables::ControllerImage image_;
    RecordingOperator op_;
    tables::TableContext ctx_{link_, image_, op_};
};

TEST_F(DeviceEditTest, AcceptingWithoutAChangeSendsNothing) {
    Start();
    const config::DeviceEdit edit{{{6, 0, 12}}, {6, 0, 12}, false};
    EXPECT_EQ(config::RunDeviceEdit(ctx_, edit, [](std::span<std::uint8_t>) { return true; }),
              config::DeviceEditResult::Written);
    EXPECT_EQ(link_.lastFunctionCode, 1);  // only the read went out
    EXPECT_EQ(config::RunDeviceEdit(ctx_, edit, [](std::span<std::uint8_t>) { return false; }),
              config::DeviceEditResult::Cancelled);
}

TEST_F(DeviceEditTest, ANameIsWrittenInTheControllersCodePage) {
    Start({"--cp866"});
    ASSERT_TRUE(tables::ReadFields(ctx_, {0, 0, 18}));
    ASSERT_TRUE(tables::ReadFields(ctx_, {5, 0, 3}));
    text::ToCp1251(image_.Fields(5, 0, 3));
    config::Names names = config::FillNames(image_.Fields(5, 0, 3).first<config::kNamesBytes>());
    const config::Names before = names;
    names[1] = "Нитка Север";
    ASSERT_EQ(EditNames(names), config::DeviceEditResult::Written);
    EXPECT_EQ(link_.lastFunctionCode, 2);
    // The image keeps Windows-1251 for the rest of the program.
    EXPECT_EQ(config::FillNames(image_.Fields(5, 0, 3).first<config::kNamesBytes>()),
              (config::Names{before[0], "Нитка Север", before[2]}));

    std::string expected = text::Utf8ToCp1251("Нитка Север");
    text::ToCp866({reinterpret_cast<std::uint8_t*>(expected.data()), expected.size()});
    EXPECT_EQ(RawName(1), expected);
}

TEST_F(DeviceEditTest, TheLinkFollowsANewAddressAndBaudRate) {
    Start();
    settings::LinkSettings stored;
    stored.linkKind = 0;
    stored.direct.address = 1;
    const config::DeviceEdit edit{{{0, 0, 18}, {3, 0, 4}}, {3, 0, 4}, false};
    const auto result = config::RunDeviceEdit(ctx_, edit, [&](std::span<std::uint8_t> target) {
        config::UpperLinkEntries e =
            config::FillUpperLink(target.first<4>(), config::UpperLinkRateEditable(true, image_));
        e.address = "42";
        e.rateIndex = 15;  // 19200 bit/s
        return !config::AcceptUpperLink(e, target.first<4>());
    });
    ASSERT_EQ(result, config::DeviceEditResult::Written) << link_.StatusText();
    config::FollowUpperLinkWrite(link_, stored, image_.Fields(3, 0, 4).first<4>());
    EXPECT_EQ(link_.address, 42);
    EXPECT_EQ(link_.baud, 19200);
    EXPECT_EQ(stored.direct.address, 42);
    EXPECT_EQ(stored.direct.baud, 19200);
    EXPECT_TRUE(tables::ReadFields(ctx_, {0, 0, 1})) << link_.StatusText();
}

TEST_F(DeviceEditTest, TheClockCorrectionMovesTheControllersClock) {
    Start({"--now", "24-03-05 10:20:00"});
    ASSERT_EQ(config::ReadClocks(ctx_).reading, config::ClockReading::Read);
    const config::ClockView view = config::BuildClockView(
        image_.Fields(2, 0, 8).first<8>(), image_.Fields(42, 0, 6).first<6>(),
        link_.lastExchangeTime, image_.Fields(6, 0, 12).first<12>());
    ASSERT_TRUE(config::SendTimeCorrection(ctx_, config::TimeCorrection(view.controller, view.pc)));
    EXPECT_EQ(op_.status[2], "Корректировка времени выполнена");
    ASSERT_TRUE(tables::ReadFields(ctx_, {2, 0, 8}));
    EXPECT_EQ(image_.Byte(2, 3), 11);  // on to the start of the next hour
    EXPECT_LE(image_.Byte(2, 4), 1);

    link_.SetCredentials("", "");
    EXPECT_FALSE(config::SendTimeCorrection(ctx_, 10));
    EXPECT_EQ(op_.status[2], "Пользователь не зарегистрирован или неправильный пароль");
    ASSERT_FALSE(op_.messages.empty());
    EXPECT_EQ(op_.messages.back().text1, "Корректировка времени не выполнена");
}

TEST_F(DeviceEditTest, OneUserIsAddedAndTheControllerKnowsHimAtOnce) {
    Start();
    const bool written = config::EditOneUser(ctx_, [](auto table) -> std::optional<int> {
        config::ChangeAccess screen(table);
        const auto result = screen.Accept({4, 3, "INZ", {"7", "7", "77", "77"}}, table);
        return std::holds_alternative<int>(result) ? std::optional(std::get<int>(result))
                                                   : std::nullopt;
    });
    ASSERT_TRUE(written) << link_.StatusText();
    link_.SetCredentials("77", "7");  // the new engineer may write now
    EXPECT_TRUE(tables::WriteFields(ctx_, {6, 6, 1})) << link_.StatusText();

    // A second manufacturer-adjuster is the screen's refusal; nothing is sent.
    link_.SetCredentials("2222", "2");
    EXPECT_FALSE(config::EditOneUser(ctx_, [](auto table) -> std::optional<int> {
        config::ChangeAccess screen(table);
        const auto result = screen.Accept({5, 1, "NAL2", {"8", "8", "", ""}}, table);
        EXPECT_TRUE(std::holds_alternative<config::UsersRefusal>(result));
        return std::nullopt;
    }));
    EXPECT_EQ(link_.lastFunctionCode, 1);
}

TEST_F(DeviceEditTest, ALimitChangedOnTheScreenReachesTheController) {
    Start();
    const tables::TableHeader range{23, 0, 20};  // the lower warning setpoints
    const auto result = config::RunDeviceEdit(ctx_, {{range}, range, false}, [](auto target) {
        config::LimitTexts texts =
            config::FillLimits(1, target.template first<config::kLimitBytes>());
        texts[11] = "38";  // higher heat of combustion
        return !config::AcceptLimits(1, texts, target.template first<config::kLimitBytes>());
    });
    ASSERT_EQ(result, config::DeviceEditResult::Written) << link_.StatusText();
    tables::ControllerImage fresh;
    tables::TableContext read{link_, fresh, op_};
    ASSERT_TRUE(tables::ReadFields(read, range));
    EXPECT_EQ(fresh.Float(23, 11), 38.0F);
    EXPECT_EQ(fresh.Float(23, 8), image_.Float(23, 8));
}

TEST_F(DeviceEditTest, AGrownFlowComputerCountWritesEveryNewEntry) {
    Start();
    op_.answers = {true};  // "Выполнить ввод параметров сейчас?"
    const bool written = config::EditFlowLine(
        ctx_,
        [](std::span<std::uint8_t, config::kFlowLineBytes> line) {
            line[0] = 3;
            return true;
        },
        [](const config::FlowRecords& records, int count, std::uint8_t) {
            EXPECT_EQ(count, 3);
            config::FlowListResult result{3, records, {}};
            for (int i = 1; i < 3; ++i) {
                result.records[static_cast<std::size_t>(i)] = {
                    static_cast<std::uint8_t>(20 + i), 2, 0x01, 1, {}};
                result.records[static_cast<std::size_t>(i)].password.fill('p');
                result.passwordChanged[static_cast<std::size_t>(i)] = true;
            }
            return std::optional(result);
        });
    ASSERT_TRUE(written) << link_.StatusText();

    tables::ControllerImage fresh;
    tables::TableContext read{link_, fresh, op_};
    ASSERT_TRUE(tables::ReadFields(read, {9, 0, 1}));
    EXPECT_EQ(fresh.Byte(9, 0), 3);
    for (const int table : {17, 18, 19, 20}) {
        ASSERT_TRUE(tables::ReadFields(read, {static_cast<std::uint8_t>(table), 0, 3}));
    }
    EXPECT_EQ(fresh.Byte(18, 1), 21);
    EXPECT_EQ(fresh.Byte(18, 2), 22);
    EXPECT_EQ(fresh.Byte(17, 2), 2);
    EXPECT_EQ(fresh.Byte(20, 2), 1);
}

TEST_F(DeviceEditTest, DecliningToEnterNewFlowComputersSendsNothing) {
    Start();
    op_.answers = {false};
    EXPECT_FALSE(config::EditFlowLine(
        ctx_,
        [](std::span<std::uint8_t, config::kFlowLineBytes> line) {
            line[0] = 5;
            return true;
        },
        [](const config::FlowRecords&, int, std::uint8_t) {
            ADD_FAILURE() << "the list must not open";
            return std::optional<config::FlowListResult>();
        }));
    EXPECT_EQ(link_.lastFunctionCode, 1);
}

}  // namespace
}  // namespace zor06::test
