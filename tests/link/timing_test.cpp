// Timeouts, retries, the idle callback and the abort flag, on a fake clock.
#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

using namespace link::status;
using platform::Millis;

class TimingTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 2000;
        link.interByteTimeoutMs = 300;
    }
    const Bytes reply = ReadReply(1, 0, 0, 1, {0});
};

TEST_F(TimingTest, SilenceEndsEachAttemptAtTheFirstByteTimeout) {
    link.attempts = 3;
    auto& channel = Connect(Always({}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kNoAnswer);
    EXPECT_EQ(link.StatusText(), "Устройство не отвечает");
    EXPECT_EQ(channel.transmissions.size(), 3u);
    EXPECT_EQ(clock.Elapsed(), Millis(3 * 2000));
}

TEST_F(TimingTest, AStartByteAloneDoesNotStopTheFirstByteTimer) {
    Connect(Always({At(100, {0x33})}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kNoAnswer);
    EXPECT_EQ(clock.Elapsed(), Millis(2000));
}

TEST_F(TimingTest, AGapLongerThanTheInterByteTimeoutCutsTheReply) {
    const Bytes head(reply.begin(), reply.begin() + 4);
    const Bytes tail(reply.begin() + 4, reply.end());
    Connect(Always({At(10, head), At(301, tail)}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kInterByteTimeout);
    EXPECT_EQ(link.StatusText(), "Ответ получен не полностью (превышено время между байтами)");
    EXPECT_EQ(clock.Elapsed(), Millis(10 + 300));

    Connect(Always({At(10, head), At(299, tail)}));
    EXPECT_TRUE(ReadTable0());
}

TEST_F(TimingTest, ALateReplyWithinTheFirstByteTimeoutIsTaken) {
    Connect(Always({At(1999, reply)}));
    EXPECT_TRUE(ReadTable0());
}

TEST_F(TimingTest, ABadChecksumIsRetriedWhileAttemptsRemain) {
    Bytes damaged = reply;
    damaged.back() ^= 0xFF;
    link.attempts = 2;
    auto& channel = Connect(InTurn({{At(5, damaged)}, {At(5, reply)}}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_EQ(channel.transmissions.size(), 2u);

    link.attempts = 1;
    Connect(Always({At(5, damaged)}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kBadChecksum);
    EXPECT_EQ(link.StatusText(), "Несовпадение КС ответа контроллера");
}

TEST_F(TimingTest, ZeroAttemptsStillSendOnce) {
    link.attempts = 0;
    auto& channel = Connect(Always({At(5, reply)}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_EQ(channel.transmissions.size(), 1u);
}

TEST_F(TimingTest, IdleIsCalledWhileWaitingAndItsAbortStopsTheNextAttempt) {
    link.attempts = 5;
    auto& channel = Connect(Always({}));
    int calls = 0;
    Listen();
    listener.onIdle = [&] {
        if (++calls == 10) {
            link.RequestAbort();
        }
    };
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kAborted);
    EXPECT_EQ(link.StatusText(), "Обмен прерван по признаку завершения работы программы");
    EXPECT_EQ(channel.transmissions.size(), 1u);
    // Called every 50 ms of a 2 s wait.
    EXPECT_GE(calls, 39);
    EXPECT_LE(calls, 40);
    EXPECT_FALSE(link.AbortRequested());
}

TEST_F(TimingTest, WriteFailuresAndSocketFailuresGetTheirStatuses) {
    auto& channel = Connect(Always({}));
    channel.failWrites = true;
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kWriteFailed);
    EXPECT_EQ(link.StatusText(), "Сбой при выполнении операции записи");
    EXPECT_GE(channel.errorsCleared, 1);

    link.linkKind = link::LinkKind::Ethernet;
    auto socket = std::make_unique<ScriptedChannel>(clock, Always({}));
    ScriptedChannel& socketRef = *socket;
    link.AttachChannel(std::make_unique<ScriptedConnection>(std::move(socket)));
    EXPECT_TRUE(link.SocketOpen());
    EXPECT_FALSE(link.PortOpen());
    socketRef.acceptOnly = 3;
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kSendFailed);
    EXPECT_EQ(link.StatusText(), "Ithernet. Не выполнена команда send (посылка запроса)");
    EXPECT_EQ(socketRef.errorsCleared, 0);  // a socket has no serial line to clear

    socketRef.acceptOnly = -1;
    socketRef.failReads = true;
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kRecvFailed);
    EXPECT_EQ(link.StatusText(), "Ithernet. Не выполнена команда recv (чтение ответа на запрос)");
}

TEST_F(TimingTest, AFailedSerialReadCountsAsNoByte) {
    auto& channel = Connect(Always({}));
    channel.failReads = true;
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kNoAnswer);
    EXPECT_GE(channel.errorsCleared, 1);
}

TEST_F(TimingTest, TheStatusPanelShowsTheExchangeAndTheTimeIsStored) {
    std::vector<std::string> shown;
    Listen();
    listener.onStatus = [&](std::string_view text) { shown.emplace_back(text); };
    Connect(Always({At(5, reply)}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_EQ(shown, (std::vector<std::string>{"Обмен...", ""}));
    EXPECT_EQ(link.lastExchangeTime, clock.LocalDateTime());
}

}  // namespace
}  // namespace zor06::test
