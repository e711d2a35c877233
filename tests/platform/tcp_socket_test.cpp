// TCP client and listener over the loopback interface.
#include "platform/tcp_socket.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/channel_reading.h"

namespace zor06::platform {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using test_io::Bytes;
using test_io::ReadBytes;

constexpr std::uint32_t kLoopback = 0x7F000001;

// A loopback listener on a free port, closed at the end of the test.
class Listener {
public:
    Listener() {
        std::string error;
        fd_ = ListenTcp("127.0.0.1", 0, &port_, &error);
        EXPECT_GE(fd_, 0) << error;
    }
    ~Listener() { Close(); }
    void Close() {
        if (fd_ >= 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    std::unique_ptr<ByteChannel> Accept() {
        return WrapStreamDescriptor(accept(fd_, nullptr, nullptr));
    }
    Ipv4Endpoint endpoint() const { return {kLoopback, port_}; }

private:
    int fd_ = -1;
    std::uint16_t port_ = 0;
};

TEST(TcpSocketTest, ExchangesBytesBothWaysUntilThePeerCloses) {
    Listener listener;
    auto client = SystemSockets().CreateSocket();
    ASSERT_NE(client, nullptr);
    ASSERT_NE(listener.endpoint().port, 0);
    ASSERT_TRUE(client->Connect(listener.endpoint(), MonoClock::now() + seconds(2)));
    auto server = listener.Accept();

    EXPECT_EQ(client->Transmit(Bytes("request")), 7);
    EXPECT_EQ(ReadBytes(*server, 7), Bytes("request"));
    EXPECT_EQ(server->Transmit(Bytes("answer")), 6);
    EXPECT_EQ(ReadBytes(*client, 6), Bytes("answer"));

    server.reset();
    std::uint8_t buffer[8];
    EXPECT_TRUE(client->Receive(buffer, MonoClock::now() + seconds(1)).failed);
}

TEST(TcpSocketTest, FailedConnectLeavesTheSocketReadyForAnotherAttempt) {
    Listener listener;
    const Ipv4Endpoint endpoint = listener.endpoint();
    listener.Close();

    auto client = SystemSockets().CreateSocket();
    ASSERT_NE(client, nullptr);
    const MonoTime until = MonoClock::now() + seconds(2);
    EXPECT_FALSE(client->Connect(endpoint, until));
    EXPECT_LE(MonoClock::now(), until);

    Listener second;
    EXPECT_TRUE(client->Connect(second.endpoint(), MonoClock::now() + seconds(2)));
    auto server = second.Accept();
    EXPECT_EQ(client->Transmit(Bytes("again")), 5);
    EXPECT_EQ(ReadBytes(*server, 5), Bytes("again"));
}

TEST(TcpSocketTest, ConnectGivesUpAtTheDeadline) {
    // A documentation-only address: either unreachable at once or never answering.
    auto client = SystemSockets().CreateSocket();
    ASSERT_NE(client, nullptr);
    const MonoTime until = MonoClock::now() + milliseconds(200);
    EXPECT_FALSE(client->Connect({0xC0000201, 4001}, until));
    EXPECT_LT(MonoClock::now() - until, seconds(1));
}

TEST(ListenTcpTest, PortInUseIsReported) {
    Listener first;
    std::uint16_t port = 0;
    std::string error;
    EXPECT_EQ(ListenTcp("127.0.0.1", first.endpoint().port, &port, &error), -1);
    EXPECT_NE(error.find("bind"), std::string::npos) << error;
}

}  // namespace
}  // namespace zor06::platform
