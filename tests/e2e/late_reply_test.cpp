// A controller slower than the first-byte timeout, over a real socket and a real pseudo-terminal:
// the late reply to one request arrives while the next waits, and must not be taken for its reply.
#include "link/link_texts.h"
#include "tables/table_service.h"
#include "tests/e2e/sim_link.h"

namespace zor06::test {
namespace {

constexpr int kReplyDelayMs = 1500;

class LateReply : public ::testing::TestWithParam<bool> {
protected:
    // Connects the link over TCP or a pseudo-terminal to a simulator that waits before replying.
    bool ConnectSlowController() {
        const std::vector<std::string> delay{"--reply-delay", std::to_string(kReplyDelayMs)};
        if (GetParam()) {
            tcp = std::make_unique<SimOverTcp>(delay);
            return tcp->Connect(link, 1);
        }
        std::vector<std::string> args{"--pty"};
        args.insert(args.end(), delay.begin(), delay.end());
        pty = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
        if (!pty->Started()) {
            ADD_FAILURE() << pty->Error();
            return false;
        }
        link.portName = pty->PtyPath();
        link.baud = 9600;
        link.address = 1;
        link.attempts = 1;
        link.firstByteTimeoutMs = 1000;
        link.interByteTimeoutMs = 100;
        return link.OpenPort();
    }

    std::unique_ptr<SimOverTcp> tcp;
    std::unique_ptr<SimProcess> pty;
    link::hgcbox link;
    tables::ControllerImage image;
    RecordingOperator op;
};

TEST_P(LateReply, TheNextReadTakesItsOwnReplyNotTheLateOne) {
    ASSERT_TRUE(ConnectSlowController()) << link.StatusText();
    tables::TableContext ctx{link, image, op};

    // Table 0 times out after 1 s; its reply comes at 1.5 s, while table 6 is being waited for.
    EXPECT_FALSE(tables::ReadFields(ctx, {0, 0, 18}, false));
    EXPECT_EQ(link.status, link::status::kNoAnswer);

    link.firstByteTimeoutMs = 3 * kReplyDelayMs;
    ASSERT_TRUE(tables::ReadFields(ctx, {6, 0, 12}, false)) << link.StatusText();
    EXPECT_TRUE(op.messages.empty());
    const auto reply =
        link::ReadReply::Parse(link.replyFrame, {6, 0, 12}, tables::Table(6).fieldSize);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->Echo().table, 6);
}

INSTANTIATE_TEST_SUITE_P(OverTcpAndPty, LateReply, ::testing::Values(true, false),
                         [](const auto& name) { return name.param ? "Tcp" : "Pty"; });

}  // namespace
}  // namespace zor06::test
