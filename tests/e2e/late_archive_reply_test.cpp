// A controller that answers one archive request after zor06ctl's first-byte timeout, over TCP and
// a pseudo-terminal, with one attempt and with three: the late reply and the answer to the retry
// come while later requests wait. With three attempts the reading shows exactly the rows of the
// same reading without the fault; with one it ends with the link's error, exit 3, and shows only
// the rows read before.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

constexpr int kFirstByteTimeoutMs = 300;
constexpr int kLateAfterTimeoutMs = 500;

// The rows a reading prints, in their order.
using Rows = std::vector<std::string>;

struct ArchiveReading {
    const char* code;
    std::vector<std::string> args;  // at least three requests to the archive
};

void PrintTo(const ArchiveReading& r, std::ostream* os) {
    *os << "code " << r.code;
}

const ArchiveReading kReadings[] = {
    {"7", {"messages", "interventions", "--index", "11", "30"}},
    {"8", {"messages", "diagnostics", "--from", "01.03.24 00:00:00", "--to", "01.03.24 05:00:00"}},
    {"14",
     {"chromatograph", "3min", "--run", "1", "--from", "09.12.26 10:00", "--to", "09.12.26 10:15"}},
    {"15",
     {"chromatograph", "hour", "--run", "2", "--from", "09.12.26 00:00", "--to", "09.12.26 05:00"}},
    {"16",
     {"chromatograph", "day", "--run", "1", "--from", "01.12.26 00:00", "--to", "06.12.26 00:00"}},
};

using LateCase = std::tuple<bool, int, ArchiveReading>;  // over TCP, attempts, reading

// The records' rows printed, the averages line left out.
Rows RowsOf(const std::string& out) {
    Rows rows;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Средние значения", 0) != 0) {
            rows.push_back(line);
        }
    }
    return rows;
}

class LateArchiveReply : public ::testing::TestWithParam<LateCase> {
protected:
    // Every reply takes 50 ms; with `late`, the second archive request is answered half a second
    // after the client gave up on it, so that the answer to a retry arrives while the next
    // request waits.
    void StartSimulator(bool late) {
        sim.reset();
        const bool tcp = std::get<0>(GetParam());
        std::vector<std::string> args{tcp ? "--tcp" : "--pty"};
        if (tcp) {
            args.emplace_back("127.0.0.1:0");
        }
        args.insert(args.end(),
                    {"--now", "26-12-09 12:10:30", "--frozen-clock", "--reply-delay", "50"});
        if (late) {
            args.insert(args.end(), {"--late-reply", "2", "--late-by",
                                     std::to_string(kFirstByteTimeoutMs + kLateAfterTimeoutMs)});
        }
        sim = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
        ASSERT_TRUE(sim->Started()) << sim->Error();
    }
    ProcessResult Read(int attempts) const {
        std::vector<std::string> args;
        if (std::get<0>(GetParam())) {
            args = {"--tcp", "127.0.0.1:" + std::to_string(sim->TcpPort())};
        } else {
            args = {"--serial", sim->PtyPath()};
        }
        args.insert(args.end(), {"--attempts", std::to_string(attempts), "--first-byte-timeout",
                                 std::to_string(kFirstByteTimeoutMs), "--inter-byte-timeout", "100",
                                 "--verbose"});
        const ArchiveReading& reading = std::get<2>(GetParam());
        args.insert(args.end(), reading.args.begin(), reading.args.end());
        return Ctl(args);
    }
    std::unique_ptr<SimProcess> sim;
};

TEST_P(LateArchiveReply, NeverTakesItForTheAnswerToAnotherRequest) {
    const int attempts = std::get<1>(GetParam());
    ASSERT_NO_FATAL_FAILURE(StartSimulator(false));
    const ProcessResult faultFree = Read(attempts);
    ASSERT_EQ(faultFree.exitCode, 0) << faultFree.err;
    const Rows whole = RowsOf(faultFree.out);
    ASSERT_FALSE(whole.empty());

    ASSERT_NO_FATAL_FAILURE(StartSimulator(true));
    const ProcessResult r = Read(attempts);
    const Rows read = RowsOf(r.out);
    if (attempts > 1) {
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(read, whole);
        return;
    }
    // The first batch, and the link's status.
    EXPECT_EQ(r.exitCode, 3) << r.err;
    EXPECT_NE(r.err.find("Устройство не отвечает"), std::string::npos) << r.err;
    ASSERT_GT(read.size(), 0u);
    ASSERT_LT(read.size(), whole.size());
    EXPECT_EQ(read, Rows(whole.begin(), whole.begin() + static_cast<long>(read.size())));
}

INSTANTIATE_TEST_SUITE_P(EveryArchiveCode, LateArchiveReply,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(1, 3),
                                            ::testing::ValuesIn(kReadings)),
                         [](const auto& instance) {
                             return std::string(std::get<0>(instance.param) ? "Tcp" : "Pty") +
                                    "Attempts" + std::to_string(std::get<1>(instance.param)) +
                                    "Code" + std::get<2>(instance.param).code;
                         });

}  // namespace
}  // namespace zor06::test
