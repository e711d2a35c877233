// The link object against the simulated controller over a real pseudo-terminal, as over a
// serial line.
#include "link/device_search.h"
#include "link/link_texts.h"
#include "tests/e2e/sim_link.h"

namespace zor06::test {
namespace {

class PtyLink : public ::testing::Test {
protected:
    void Start(std::vector<std::string> args) {
        args.insert(args.begin(), "--pty");
        sim = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
        ASSERT_TRUE(sim->Started()) << sim->Error();
        link.portName = sim->PtyPath();
        link.baud = 9600;
        link.address = 1;
        link.attempts = 1;
        link.preambles = 5;
        link.firstByteTimeoutMs = 1000;
        link.interByteTimeoutMs = 100;
    }
    std::unique_ptr<SimProcess> sim;
    link::hgcbox link;
    RecordingOperator op;
};

TEST_F(PtyLink, ReadsTablesThroughTheOpenPort) {
    Start({});
    ASSERT_TRUE(link.OpenPort()) << link.StatusText();
    ASSERT_TRUE(ReadFields(link, 0, 0, 18)) << link.StatusText();
    EXPECT_EQ(link.replyFrame[8 + 1], 73);
    ASSERT_TRUE(ReadFields(link, 4, 0, 11)) << link.StatusText();
    EXPECT_EQ(link.replyFrame[2], 8 + 11 * 22 + 2);
}

TEST_F(PtyLink, AnEmulatedSlowLineStillFitsTheInterByteTimeout) {
    Start({"--line-baud", "9600"});
    ASSERT_TRUE(link.OpenPort());
    ASSERT_TRUE(ReadFields(link, 4, 0, 11)) << link.StatusText();
}

TEST_F(PtyLink, ThePerRequestModeOpensThePortForEachRequest) {
    Start({});
    link.closePortAfterExchange = true;
    EXPECT_TRUE(ReadFields(link, 0, 0, 1)) << link.StatusText();
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(ReadFields(link, 2, 0, 8)) << link.StatusText();
}

TEST_F(PtyLink, AMissingDeviceIsReportedAfterThePortWait) {
    Start({});
    link.portName = "/dev/zor06-no-such-port";
    link.portWaitS = 1;
    EXPECT_FALSE(link.OpenPort());
    EXPECT_EQ(link.StatusText(), "Коммуникационный порт /dev/zor06-no-such-port недоступен");
}

TEST_F(PtyLink, TheSearchFindsTheControllersRateAndAddress) {
    Start({"--baud", "19200", "--address", "23"});
    link::SearchParameters params;
    params.device = sim->PtyPath();
    params.firstByteTimeoutMs = 100;
    params.interByteTimeoutMs = 55;
    params.attempts = 1;
    const auto found = link::SearchDevice(link, params, op);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->address, 23);
    EXPECT_EQ(found->baud, 19200);
    EXPECT_FALSE(link.PortOpen());
}

}  // namespace
}  // namespace zor06::test
