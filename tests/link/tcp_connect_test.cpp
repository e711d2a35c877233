// The connection procedure of the Ethernet link kind.
#include "link/tcp_connect.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using platform::Millis;

class FakeSocket : public platform::TcpSocket {
public:
    FakeSocket(FakeClock& clock, platform::Duration refuseFor, std::vector<std::uint32_t>* seen)
        : clock_(clock), refuseFor_(refuseFor), seen_(seen) {}
    bool Connect(const platform::Ipv4Endpoint& endpoint, platform::MonoTime until) override {
        seen_->push_back(endpoint.address);
        port = endpoint.port;
        longestLook = std::max(longestLook, until - clock_.Now());
        if (clock_.Elapsed() >= refuseFor_) {
            return true;
        }
        // A server that never accepts keeps the attempt waiting to the end of the look.
        clock_.SleepUntil(neverAccepts ? until : std::min(until, clock_.Now() + Millis(1)));
        return false;
    }
    bool Reconnect(platform::MonoTime) override { return false; }
    void DiscardQueues() override {}
    long Transmit(std::span<const std::uint8_t> bytes) override {
        return static_cast<long>(bytes.size());
    }
    platform::ReceiveResult Receive(std::span<std::uint8_t>, platform::MonoTime until) override {
        clock_.SleepUntil(until);
        return {};
    }
    std::uint16_t port = 0;
    bool neverAccepts = false;
    platform::Duration longestLook{};  // the longest one connect call could block

private:
    FakeClock& clock_;
    platform::Duration refuseFor_;
    std::vector<std::uint32_t>* seen_;
};

class FakeSockets : public platform::SocketFactory {
public:
    explicit FakeSockets(FakeClock& clock) : clock_(clock) {}
    std::unique_ptr<platform::TcpSocket> CreateSocket() override {
        ++created;
        if (refuseCreate) {
            return nullptr;
        }
        auto socket = std::make_unique<FakeSocket>(clock_, refuseFor, &addresses);
        socket->neverAccepts = neverAccepts;
        last = socket.get();
        return socket;
    }
    platform::Duration refuseFor{};
    bool neverAccepts = false;
    bool refuseCreate = false;
    int created = 0;
    std::vector<std::uint32_t> addresses;
    FakeSocket* last = nullptr;

private:
    FakeClock& clock_;
};

// Presses Esc (sets the interrupt flag) at the given pump of the event loop, if the connect has
// marked itself a long operation as the Esc filter requires.
class EscOperator : public RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        sawLongOperation = sawLongOperation || InLongOperation();
        if (eventPumps == escAtPump) {
            RequestInterrupt();
        }
    }
    int escAtPump = -1;
    bool sawLongOperation = false;
};

class TcpConnectTest : public LinkTest {
protected:
    void SetUp() override {
        settings.record.address = 1;
        settings.record.preambles = 3;
        settings.record.attempts = 2;
        settings.record.interByteTimeoutMs = 250;
        settings.record.firstByteTimeoutMs = 4000;
        settings.connectWaitS = 10;
        subscriber.address = 7;
        subscriber.ip = {192, 168, 1, 10};
        subscriber.port = 4001;
    }
    bool Connect() { return link::TcpConnect(link, settings, &subscriber, 7, op, sockets, clock); }
    link::EthernetSettings settings;
    link::EthernetSubscriber subscriber;
    EscOperator op;
    FakeSockets sockets{clock};
};

TEST_F(TcpConnectTest, ConnectsSettlesAndLoadsTheLinkObject) {
    ASSERT_TRUE(Connect());
    EXPECT_EQ(sockets.addresses.front(), 0xC0A8010Au);
    EXPECT_EQ(sockets.last->port, 4001);
    EXPECT_EQ(clock.Elapsed(), Millis(1000));
    EXPECT_EQ(link.linkKind, link::LinkKind::Ethernet);
    EXPECT_TRUE(link.SocketOpen());
    EXPECT_FALSE(link.PortOpen());
    EXPECT_EQ(link.address, 7);
    EXPECT_EQ(link.firstByteTimeoutMs, 4000);
    EXPECT_EQ(link.interByteTimeoutMs, 250);
    EXPECT_EQ(link.preambles, 3);
    EXPECT_EQ(link.attempts, 2);
    EXPECT_EQ(settings.record.address, 7);
    EXPECT_EQ(op.busyDepth, 0);
}

TEST_F(TcpConnectTest, ARefusingServerIsRetriedUntilTheConnectionWait) {
    sockets.refuseFor = Millis(3000);
    ASSERT_TRUE(Connect());
    EXPECT_GT(sockets.addresses.size(), 2u);
    EXPECT_EQ(sockets.created, 1);

    sockets.refuseFor = Millis(1'000'000);
    EXPECT_FALSE(Connect());
    EXPECT_EQ(op.boxes.back(), "Превышено время ожидания соединения сервер/клиент");
    EXPECT_FALSE(link.SocketOpen());
    EXPECT_EQ(op.busyDepth, 0);
}

TEST_F(TcpConnectTest, TheInterfaceRunsInShortStepsWhileTheConnectionWaits) {
    settings.connectWaitS = 360;
    sockets.neverAccepts = true;
    sockets.refuseFor = Millis(20'000);
    ASSERT_TRUE(Connect());
    EXPECT_LE(sockets.last->longestLook, Millis(50));
    // Every 50 ms of the 20 s connect and of the 1 s settle let the window repaint.
    EXPECT_GE(op.eventPumps, 21'000 / 50);
    EXPECT_TRUE(op.sawLongOperation);
    EXPECT_FALSE(op.InLongOperation());
}

TEST_F(TcpConnectTest, EscEndsTheConnectAndTheSettle) {
    struct Case {
        const char* name;
        platform::Duration acceptAfter;
        int escAtPump;
    };
    const Case cases[] = {
        {"while connecting", Millis(1'000'000), 3},
        {"while settling", Millis(0), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings.connectWaitS = 360;
        sockets.refuseFor = clock.Elapsed() + c.acceptAfter;
        op = {};
        op.escAtPump = c.escAtPump;
        const platform::MonoTime start = clock.Now();
        EXPECT_FALSE(Connect());
        EXPECT_EQ(op.boxes, std::vector<std::string>{"Соединение прервано оператором"});
        EXPECT_LT(clock.Now() - start, Millis(1000));
        EXPECT_FALSE(link.SocketOpen());
        EXPECT_FALSE(op.InLongOperation());
        EXPECT_FALSE(op.Interrupted());  // nothing left over to stop the next reading
        EXPECT_EQ(op.busyDepth, 0);
    }
}

TEST_F(TcpConnectTest, MissingSubscriberAndSocketFailuresAreReported) {
    EXPECT_FALSE(link::TcpConnect(link, settings, nullptr, 9, op, sockets, clock));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::InputError);
    EXPECT_EQ(op.messages[0].text1, "Введены не все параметры");
    EXPECT_EQ(settings.record.address, 9);

    sockets.refuseCreate = true;
    EXPECT_FALSE(Connect());
    EXPECT_EQ(op.boxes.back(), "Ошибка вызова socket");
}

TEST_F(TcpConnectTest, UnknownHostsAreNamed) {
    EXPECT_FALSE(
        link::TcpConnectTo(link, settings, 1, "no-such-host.invalid", "4001", op, sockets, clock));
    EXPECT_EQ(op.boxes.back(), "неизвестный хост: no-such-host.invalid");
    EXPECT_EQ(sockets.created, 0);
}

}  // namespace
}  // namespace zor06::test
