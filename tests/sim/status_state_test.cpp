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
              {35, 0, {1, 0, 1, 0, 0}}}}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zor06::sim
