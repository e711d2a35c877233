// The restoration of destroyed tables during identification, against the simulator over a
// pseudo-terminal: the users table, the clock, the system parameters and a flow-computer table.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "config/config_file.h"
#include "config/restore_tables.h"
#include "tables/identification.h"
#include "tests/e2e/demo_configuration.h"
#include "tests/e2e/sim_link.h"
#include "tests/support/recording_operator.h"
#include "tests/support/sim_process.h"
#include "text/codepage.h"
#include "zor06-sim/access.h"

namespace zor06::test {
namespace {

// The identification's screens: every table restored from `file` as it is, no protocol made.
class RestoreAllFrom final : public tables::IdentifySteps, public config::RestoreSteps {
public:
    explicit RestoreAllFrom(std::filesystem::path file) : file_(std::move(file)) {}
    std::optional<bool> RestoreTables(tables::TableContext& ctx) override {
        return config::RestoreTables(ctx, *this);
    }
    config::TableStateResult TableState(config::TableStates& s) override {
        config::SelectAll(s);
        return config::TableStateResult::WriteAll;
    }
    std::optional<std::filesystem::path> ChooseConfigFile() override { return file_; }
    bool EditUsers(std::span<std::uint8_t, config::kUsersBytes>) override { return false; }
    bool EditConfig(config::ConfigBuffer&) override { return true; }
    bool OffersProtocol() const override { return false; }
    void BuildProtocol(const config::ConfigBuffer&) override {}
    void UpdateMenus() override {}
    void DescribeConnection() override {}

private:
    std::filesystem::path file_;
};

class RestoreE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim_ = std::make_unique<SimProcess>(
            ZOR06_SIM_PATH, std::vector<std::string>{"--pty", "--destroyed", "2", "--destroyed",
                                                     "4", "--destroyed", "6", "--destroyed", "18"});
        ASSERT_TRUE(OpenPtyAsAdministrator(link_, *sim_));
    }
    // A configuration with the demonstration users, sixteen flow computers and its own name.
    std::filesystem::path WriteFile() {
        config::ConfigBuffer b = DemoConfiguration();
        const std::string name = text::Utf8ToCp1251("ГРС Восстановленная");
        std::ranges::copy(name, b.Part(config::part::kNames).begin());
        const auto path = std::filesystem::path(::testing::TempDir()) /
                          ("e2e-restore-" + std::to_string(::getpid()) + ".cnf");
        EXPECT_TRUE(config::WriteConfigFile(path, b, op_));
        return path;
    }

    std::unique_ptr<SimProcess> sim_;
    link::hgcbox link_;
    tables::ControllerImage image_;
    RecordingOperator op_;
    tables::TableContext ctx_{link_, image_, op_};
};

TEST_F(RestoreE2eTest, AllTablesFromAFileLeaveNothingDestroyed) {
    const auto path = WriteFile();
    RestoreAllFrom identify(path);
    op_.messages.clear();
    op_.answers = {true, false};  // the PC time, then no protocol
    EXPECT_EQ(tables::Identify(ctx_, identify, nullptr), tables::IdentifyOutcome::Identified);
    for (const auto& m : op_.messages) {
        EXPECT_NE(m.text1.rfind("Разрушена", 0), 0U) << m.text1;
    }

    // Every table reads again, with the file's values.
    ASSERT_TRUE(tables::ReadFields(ctx_, {0, 0, 18}));
    EXPECT_EQ(image_.Byte(0, 0), 0);
    ASSERT_TRUE(tables::ReadFields(ctx_, {6, 0, 12}));
    EXPECT_EQ(image_.Byte(6, 3), 7);
    ASSERT_TRUE(tables::ReadFields(ctx_, {18, 0, 16}));
    EXPECT_EQ(image_.Byte(18, 15), 16);
    EXPECT_EQ(image_.Name(0), "ГРС Восстановленная");
    // The administrator of the restored users table may write.
    EXPECT_TRUE(tables::WriteFields(ctx_, {28, 0, 2}));
}

}  // namespace
}  // namespace zor06::test
