// "Связаться" without the dialog: the checks of the choice, which address is stored where, and
// which line or connection the link object is given.
#include "settings/connection_procedure.h"

#include <memory>

#include "settings/link_choice.h"
#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using link::LinkKind;
using settings::ConnectChoice;

// A controller's converter that takes every connection at once.
class AcceptingSocket : public platform::TcpSocket {
public:
    explicit AcceptingSocket(platform::Ipv4Endpoint* reached) : reached_(reached) {}
    bool Connect(const platform::Ipv4Endpoint& endpoint, platform::MonoTime) override {
        *reached_ = endpoint;
        return true;
    }
    bool Reconnect(platform::MonoTime) override { return true; }
    void DiscardQueues() override {}
    long Transmit(std::span<const std::uint8_t> bytes) override {
        return static_cast<long>(bytes.size());
    }
    platform::ReceiveResult Receive(std::span<std::uint8_t>, platform::MonoTime) override {
        return {};
    }

private:
    platform::Ipv4Endpoint* reached_;
};

class AcceptingSockets : public platform::SocketFactory {
public:
    std::unique_ptr<platform::TcpSocket> CreateSocket() override {
        return std::make_unique<AcceptingSocket>(&reached);
    }
    platform::Ipv4Endpoint reached;
};

class ConnectionProcedureTest : public LinkTest {
protected:
    void SetUp() override {
        environment.settingsChanged = [this] { ++settingsChanges; };
        environment.sockets = &sockets;
        environment.clock = &clock;
        settings.link.portWaitS = 0;
        settings.link.direct.portName = "/dev/zor06-no-such-port";
        settings.phones.entries = {{"ГРС", 3, 0, "0441234567"}};
        settings.ethernet.entries = {{"Узел", 9, 0xC0A8010A, 4001}};
    }
    bool Connect(std::optional<LinkKind> kind, const std::string& address, int subscriber = -1) {
        return settings::Connect(link, settings, ConnectChoice{kind, address, subscriber}, op,
                                 environment);
    }
    std::string LastMessage() const {
        return op.messages.empty() ? std::string()
                                   : op.messages.back().text1 + "|" + op.messages.back().text2;
    }

    settings::ProgramSettings settings;
    RecordingOperator op;
    AcceptingSockets sockets;
    settings::ConnectEnvironment environment;
    int settingsChanges = 0;
};

TEST_F(ConnectionProcedureTest, AnIncompleteOrOutOfRangeChoiceTouchesNothing) {
    struct Case {
        std::optional<LinkKind> kind;
        const char* address;
        const char* message;
    };
    const Case cases[] = {
        {std::nullopt, "5", "Введены не все параметры|"},
        {LinkKind::Direct, "", "Введены не все параметры|"},
        {LinkKind::Ethernet, "  ", "Введены не все параметры|"},
        {LinkKind::Direct, "0", "Адрес вне допустимого диапазона|(1...255)"},
        {LinkKind::Telephone, "256", "Адрес вне допустимого диапазона|(1...255)"},
        {LinkKind::Direct, "5x", "Адрес вне допустимого диапазона|(1...255)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        op = {};
        EXPECT_FALSE(Connect(c.kind, c.address, 0));
        EXPECT_EQ(LastMessage(), c.message);
        EXPECT_EQ(op.messages.front().kind, dialogue::MessageKind::InputError);
    }
    EXPECT_EQ(settingsChanges, 0);
    EXPECT_EQ(settings.link.direct.address, 1);
    EXPECT_EQ(settings.link.phone.record.address, 1);
}

TEST_F(ConnectionProcedureTest, TheDirectLineStoresTheAddressBeforeItOpensThePort) {
    EXPECT_FALSE(Connect(LinkKind::Direct, " 17 "));
    EXPECT_EQ(LastMessage(), "Коммуникационный порт /dev/zor06-no-such-port недоступен|");
    EXPECT_EQ(op.messages.back().kind, dialogue::MessageKind::Error);
    EXPECT_EQ(settings.link.direct.address, 17);
    EXPECT_EQ(settingsChanges, 1);

    // Released after each exchange, the port is opened by every request instead.
    settings.link.closePort = true;
    ASSERT_TRUE(Connect(LinkKind::Direct, "18"));
    EXPECT_FALSE(link.PortOpen());
    EXPECT_TRUE(link.closePortAfterExchange);
    EXPECT_EQ(link.linkKind, LinkKind::Direct);
    EXPECT_EQ(link.address, 18);
}

TEST_F(ConnectionProcedureTest, TheTelephoneLineNeedsARealSubscriberAndHoldsItsPort) {
    EXPECT_FALSE(Connect(LinkKind::Telephone, "4", -1));
    EXPECT_FALSE(Connect(LinkKind::Telephone, "4", 1));  // "Новый абонент"
    EXPECT_EQ(LastMessage(), "Введены не все параметры|");
    EXPECT_EQ(settings.link.phone.record.address, 4);
    EXPECT_EQ(settingsChanges, 0);

    settings.link.closePort = true;
    EXPECT_FALSE(Connect(LinkKind::Telephone, "4", 0));
    EXPECT_EQ(op.messages.back().kind,
              dialogue::MessageKind::Error);  // the flag is the direct line's: the port was tried
    EXPECT_EQ(settingsChanges, 1);
}

TEST_F(ConnectionProcedureTest, EthernetReachesTheChosenSubscriberAtItsOwnAddress) {
    ASSERT_TRUE(Connect(LinkKind::Ethernet, "4", 0));
    EXPECT_EQ(sockets.reached.address, 0xC0A8010Au);
    EXPECT_EQ(sockets.reached.port, 4001);
    EXPECT_EQ(link.linkKind, LinkKind::Ethernet);
    EXPECT_EQ(link.address, 9);
    EXPECT_EQ(settings.link.ethernet.record.address, 4);
    EXPECT_TRUE(link.SocketOpen());

    EXPECT_FALSE(Connect(LinkKind::Ethernet, "4", 1));
    EXPECT_EQ(LastMessage(), "Введены не все параметры|");
}

TEST_F(ConnectionProcedureTest, TheStoredChoiceIsWhatTheDialogWouldOpenOn) {
    settings.link.direct.address = 23;
    settings.phones.entries.push_back({"Вторая", 7, 0, "0447654321"});
    settings.phones.current = 1;
    struct Case {
        int kind;
        std::optional<LinkKind> expectedKind;
        const char* address;
        int subscriber;
    };
    const Case cases[] = {
        {0, LinkKind::Direct, "23", -1},
        {1, LinkKind::Telephone, "7", 1},
        {2, LinkKind::Ethernet, "9", 0},
        {5, std::nullopt, "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        settings.link.linkKind = c.kind;
        const ConnectChoice choice = settings::StoredChoice(settings);
        EXPECT_EQ(choice.kind, c.expectedKind);
        EXPECT_EQ(choice.address, c.address);
        EXPECT_EQ(choice.subscriber, c.subscriber);
    }
    settings.link.linkKind = 2;
    settings.ethernet.entries.clear();
    EXPECT_EQ(settings::StoredChoice(settings).address, "");
}

TEST(AnsweredAddressTest, OnlyTheBroadcastAddressOfTheCurrentKindIsReplaced) {
    settings::LinkSettings s;
    s.linkKind = 2;
    s.direct.address = 255;
    s.ethernet.record.address = 255;
    settings::AdoptAnsweredAddress(s, 12);
    EXPECT_EQ(s.ethernet.record.address, 12);
    EXPECT_EQ(s.direct.address, 255);
    settings::AdoptAnsweredAddress(s, 30);
    EXPECT_EQ(s.ethernet.record.address, 12);
}

}  // namespace
}  // namespace zor06::test
