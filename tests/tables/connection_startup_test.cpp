// The order of the connection start-up: when the program user's credentials are asked, the
// telephone call, and what a failed call leaves.
#include "tables/connection_startup.h"

#include <string>
#include <vector>

#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

// The screens' steps, each logged; the telephone call comes up when `callUp` says so.
class LoggedSteps final : public tables::StartupSteps {
public:
    explicit LoggedSteps(std::vector<std::string>& log) : log_(log) {}
    void DescribeConnection() override {}
    void HideMenus() override {}
    bool ConnectDialog() override {
        log_.push_back("dialog");
        return true;
    }
    void SaveLinkSettings() override {}
    void AskCredentials() override { log_.push_back("credentials"); }
    bool Dial() override {
        log_.push_back("dial");
        return callUp;
    }
    void AnsweredFrom(int) override {}
    std::optional<bool> RestoreTables(tables::TableContext&) override { return std::nullopt; }
    void UpdateMenus() override { log_.push_back("menus"); }

    bool callUp = false;

private:
    std::vector<std::string>& log_;
};

// A controller that never answers: every request shows up in the log and fails.
class StartupOrderTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 10;
        Connect([this](const Bytes&) {
            log.push_back("request");
            return std::vector<Chunk>{};
        });
    }
    void Start(link::LinkKind kind) {
        link.linkKind = kind;
        tables::TableContext ctx{link, image, op, clock};
        tables::StartConnection(ctx, state, steps);
    }

    tables::ControllerImage image;
    RecordingOperator op;
    tables::ConnectionState state;
    std::vector<std::string> log;
    LoggedSteps steps{log};
};

TEST_F(StartupOrderTest, TheTelephoneLineAsksTheCredentialsBeforeDialling) {
    steps.callUp = true;
    Start(link::LinkKind::Telephone);
    // The unanswered table 0 ends the start-up, and the call is hung up: "+++", then "ath".
    EXPECT_EQ(log, (std::vector<std::string>{"dialog", "credentials", "dial", "request", "request",
                                             "request", "menus"}));
}

TEST_F(StartupOrderTest, AFailedCallReadsNothingAndLeavesTheUnconnectedState) {
    steps.callUp = false;
    Start(link::LinkKind::Telephone);
    EXPECT_EQ(log, (std::vector<std::string>{"dialog", "credentials", "dial", "menus"}));
    EXPECT_FALSE(state.modemConnected);
    EXPECT_FALSE(state.identified);
    EXPECT_FALSE(link.PortOpen());
}

TEST_F(StartupOrderTest, DisconnectingHangsUpACallThatIsUp) {
    for (const bool callUp : {true, false}) {
        // The line goes with the disconnection: what it was sent is kept here.
        std::vector<Bytes> sent;
        Connect([&sent](const Bytes& bytes) {
            sent.push_back(bytes);
            return std::vector<Chunk>{};
        });
        state.modemConnected = callUp;
        int panelsEnded = 0;
        state.callEnded = [&] { ++panelsEnded; };
        tables::TableContext ctx{link, image, op, clock};
        tables::Disconnect(ctx, state);
        EXPECT_EQ(sent, callUp ? (std::vector<Bytes>{{'+', '+', '+'}, {'a', 't', 'h', '\r'}})
                               : std::vector<Bytes>{});
        EXPECT_EQ(panelsEnded, 1);
        EXPECT_FALSE(state.modemConnected);
        EXPECT_FALSE(link.PortOpen());
    }
}

TEST_F(StartupOrderTest, OtherLinksAskOnlyOnceTheControllerIsAccepted) {
    // Table 0 of a served controller (type 73, version 6); nothing else is answered.
    Bytes table0(18, 0);
    table0[1] = 73;
    table0[3] = 6;
    for (const auto kind : {link::LinkKind::Direct, link::LinkKind::Ethernet}) {
        SCOPED_TRACE(static_cast<int>(kind));
        log.clear();
        Connect([this, table0](const Bytes& frame) {
            log.push_back("request");
            const bool readsTable0 = frame[3] == 1 && frame[5] == 0;
            return readsTable0 ? std::vector<Chunk>{At(2, ReadReply(1, 0, 0, 18, table0))}
                               : std::vector<Chunk>{};
        });
        Start(kind);
        ASSERT_GE(log.size(), 4u);
        EXPECT_EQ((std::vector<std::string>(log.begin(), log.begin() + 4)),
                  (std::vector<std::string>{"dialog", "request", "credentials", "request"}));
    }
}

}  // namespace
}  // namespace zor06::test
