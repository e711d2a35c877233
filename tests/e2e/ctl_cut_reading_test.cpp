// A reading that a lost controller cuts short: zor06ctl prints and saves what it read, exits 3, and
// the saved file's header ends where the reading did, not where it was asked to end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPeriodAt = 57;  // the header's start; its end follows
constexpr std::size_t kDateBytes = 6;

struct CutCase {
    const char* what;
    std::vector<std::string> sim;   // which request of the command goes unanswered
    std::vector<std::string> args;  // after --save FILE
    const char* file;
    int rows;                         // printed before the cut
    std::vector<std::uint8_t> start;  // the header's period
    std::vector<std::uint8_t> end;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.what;
}

class CtlCutReading : public CtlFixture, public ::testing::WithParamInterface<CutCase> {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-cut-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

std::vector<std::uint8_t> HeaderBytes(const fs::path& file, std::size_t at) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    if (bytes.size() < at + kDateBytes) {
        return {};
    }
    return {bytes.begin() + static_cast<long>(at), bytes.begin() + static_cast<long>(at + 6)};
}

TEST_P(CtlCutReading, PrintsAndSavesWhatWasReadAndExits3) {
    const CutCase& c = GetParam();
    std::vector<std::string> simArgs{"--now", "26-12-09 12:10:30", "--frozen-clock"};
    simArgs.insert(simArgs.end(), c.sim.begin(), c.sim.end());
    Start(simArgs);
    const fs::path file = dir / c.file;
    std::vector<std::string> args{"--tcp", endpoint,    "--first-byte-timeout",
                                  "300",   "--workdir", (dir / "work").string()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    args.insert(args.end(), {"--save", file.string()});
    const ProcessResult r = Ctl(args);
    EXPECT_EQ(r.exitCode, 3) << c.what << "\n" << r.err;
    EXPECT_NE(r.err.find("прочитаны не полностью"), std::string::npos) << c.what << "\n" << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.rows) << c.what << "\n" << r.out;
    EXPECT_EQ(HeaderBytes(file, kPeriodAt), c.start) << c.what;
    EXPECT_EQ(HeaderBytes(file, kPeriodAt + kDateBytes), c.end) << c.what;
}

// The identification takes five requests, the archive bounds three more.
INSTANTIATE_TEST_SUITE_P(
    Readings, CtlCutReading,
    ::testing::Values(CutCase{"interventions by period, the second batch lost",
                              {"--drop-every", "7"},
                              {"messages", "interventions", "--from", "01.03.24 00:00:00", "--to",
                               "01.03.24 12:00:00"},
                              "period.aud",
                              10,
                              {24, 3, 1, 0, 0, 0},
                              {24, 3, 1, 1, 30, 0}},
                      CutCase{"interventions by index, the second batch lost",
                              {"--drop-every", "8"},
                              {"messages", "interventions", "--index", "1", "30"},
                              "index.aud",
                              10,
                              {24, 3, 1, 0, 0, 0},
                              {24, 3, 1, 1, 30, 0}},
                      CutCase{"hourly data, the third request lost",
                              {"--drop-every", "11"},
                              {"chromatograph", "hour", "--run", "1", "--from", "09.12.26 00:00",
                               "--to", "09.12.26 09:00"},
                              "hours.hch",
                              5,  // four hours and the averages
                              {26, 12, 9, 0, 0, 0},
                              {26, 12, 9, 3, 0, 0}},
                      CutCase{"daily data, the second request lost",
                              {"--drop-every", "10"},
                              {"chromatograph", "day", "--run", "2", "--from", "01.12.26 00:00",
                               "--to", "08.12.26 00:00"},
                              "days.dch",
                              3,
                              {26, 12, 1, 0, 0, 0},
                              {26, 12, 2, 0, 0, 0}}),
    [](const auto& instance) { return "Case" + std::to_string(instance.index); });

}  // namespace
}  // namespace zor06::test
