#include "zor06-sim/status_state.h"

#include <gtest/gtest.h>

#include <vector>

#include "zor06-sim/controller.h"
#include "zor06-sim/options.h"

namespace zor06::sim {
namespace {

struct Expected {
    int table;
    int first;
    std::vector<std::uint8_t> bytes;
};

struct Case {
    const char* name;
    std::vector<std::string_view> args;
    std::vector<Expected> tables;
};

class StatusOptionsTest : public ::testing::TestWithParam<Case> {};

TEST_P(StatusOptionsTest, OptionsShowInTheStatusTables) {
    std::vector<std::string_view> args{"--pty"};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const ParsedOptions parsed = ParseOptions(args);
    ASSERT_EQ(parsed.error, "");
    const Controller controller(parsed.options.controller);
    for (const Expected& e : GetParam().tables) {
        const auto bytes =
            controller.Image().Fields(e.table, e.first, static_cast<int>(e.bytes.size()));
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), e.bytes)
            << "table " << e.table;
    }
}

const std::vector<std::uint8_t> kOneOnline = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Cases, StatusOptionsTest,
    ::testing::Values(
        Case{"Defaults",
             {},
             {{6, 8, {0, 1}},
              {8, 0, {1, 1}},
              {9, 0, {1}},
              {16, 6, {0, 0, 0, 0, 0, 0}},
              {18, 0, {1}},
              {33, 0, {1, 1}},
              {34, 0, kOneOnline},
              {35, 0, kOneOnline}}},
        Case{"AbnormalSituations",
             {"--moisture-meter", "--chromatograph-error", "12", "--moisture-error=7",
              "--flow-exchange-fault", "--self-diagnostics-fault", "--abnormal-runs", "2",
              "--no-chromatograph-link", "--no-moisture-link", "--functions", "2"},
             {{6, 8, {1, 1}}, {8, 0, {0, 1}}, {16, 6, {1, 12, 7, 1, 0, 1}}, {33, 0, {0, 0}}}},
        Case{"SeveralFlowComputersSomeOffline",
             {"--flow-computers", "4", "--flow-computer-offline", "2", "--flow-computer-offline=4"},
             {{9, 0, {4}},
              {18, 0, {1, 2, 3, 4}},
              {34, 0, {1, 0, 1, 0, 0}},
              {35, 0, {1, 0, 1, 0, 0}}}},
        Case{"MoreThanTheTablesHold",
             {"--flow-computers", "40"},
             {{9, 0, {40}},
              {34, 0, std::vector<std::uint8_t>(16, 1)},
              {35, 0, std::vector<std::uint8_t>(16, 1)}}},
        Case{"NoFlowComputers",
             {"--flow-computers", "0"},
             {{6, 9, {0}}, {9, 0, {0}}, {34, 0, {0}}, {35, 0, {0}}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(StatusOptionsErrorTest, ValuesOutsideTheirRangeAreRefused) {
    for (const auto& [option, value] :
         {std::pair{"--flow-computers", "256"}, std::pair{"--flow-computer-offline", "17"},
          std::pair{"--flow-computer-offline", "0"}, std::pair{"--abnormal-runs", "4"},
          std::pair{"--functions", "-1"}, std::pair{"--chromatograph-error", "x"}}) {
        const std::vector<std::string_view> args{"--pty", option, value};
        EXPECT_NE(ParseOptions(args).error, "") << option << ' ' << value;
    }
}

TEST(StatusSignsDateTest, SignsChangedBeforeTheClockStarted) {
    ControllerConfig config;
    config.startTime = 1'700'000'000;
    Controller controller(config, [] { return std::time_t{1'700'000'000}; });
    std::tm tm{};
    const std::time_t changed = 1'700'000'000 - 25 * 60;
    localtime_r(&changed, &tm);
    const auto signs = controller.Image().Fields(16, 0, 6);
    EXPECT_EQ(std::vector<int>(signs.begin(), signs.end()),
              (std::vector<int>{tm.tm_year - 100, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                                tm.tm_sec}));
}

}  // namespace
}  // namespace zor06::sim
