// The generic descriptor channel over a socket pair.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <memory>
#include <thread>

#include "platform/channel_reading.h"
#include "platform/tcp_socket.h"

namespace zor06::platform {
namespace {

using std::chrono::seconds;
using test_io::Bytes;
using test_io::ReadBytes;

class FdChannelTest : public ::testing::Test {
protected:
    void SetUp() override {
        int fds[2];
        ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds), 0);
        a_ = WrapStreamDescriptor(fds[0]);
        b_ = WrapStreamDescriptor(fds[1]);
    }

    std::unique_ptr<ByteChannel> a_;
    std::unique_ptr<ByteChannel> b_;
};

TEST_F(FdChannelTest, ReceiveTakesAtMostTheBufferAndLeavesTheRest) {
    ASSERT_EQ(a_->Transmit(Bytes("0123456789")), 10);
    std::uint8_t buffer[4];
    const ReceiveResult first = b_->Receive(buffer, MonoClock::now() + seconds(1));
    ASSERT_EQ(first.count, 4u);
    EXPECT_EQ(std::string(buffer, buffer + 4), "0123");
    EXPECT_EQ(ReadBytes(*b_, 6), Bytes("456789"));
}

TEST_F(FdChannelTest, WaitingInputIsReadEvenWithAPastDeadline) {
    ASSERT_EQ(a_->Transmit(Bytes("xy")), 2);
    std::uint8_t buffer[8];
    const ReceiveResult r = b_->Receive(buffer, MonoClock::now() - seconds(1));
    EXPECT_EQ(r.count, 2u);
    EXPECT_FALSE(r.failed);
}

TEST_F(FdChannelTest, PeerCloseDeliversPendingBytesThenFails) {
    ASSERT_EQ(a_->Transmit(Bytes("last")), 4);
    a_.reset();
    EXPECT_EQ(ReadBytes(*b_, 4), Bytes("last"));
    std::uint8_t buffer[8];
    const ReceiveResult r = b_->Receive(buffer, MonoClock::now() + seconds(1));
    EXPECT_EQ(r.count, 0u);
    EXPECT_TRUE(r.failed);
}

TEST_F(FdChannelTest, DiscardingThrowsAwayWhatWaitsOnASocketButNotWhatComesLater) {
    // More than one read of the drain takes, as a long late reply would be.
    ASSERT_EQ(a_->Transmit(std::vector<std::uint8_t>(3000, 0x33)), 3000);
    b_->DiscardQueues();
    std::uint8_t buffer[8];
    EXPECT_EQ(b_->Receive(buffer, MonoClock::now()).count, 0u);

    ASSERT_EQ(a_->Transmit(Bytes("new")), 3);
    EXPECT_EQ(ReadBytes(*b_, 3), Bytes("new"));
}

TEST_F(FdChannelTest, TransmitToAClosedPeerFailsWithoutSignal) {
    b_.reset();
    // Without MSG_NOSIGNAL this would kill the test process with SIGPIPE.
    EXPECT_EQ(a_->Transmit(Bytes("lost")), -1);
}

TEST_F(FdChannelTest, TransmitWaitsForRoomUntilEverythingIsTaken) {
    // Far more than a socket buffer holds, so the writer must wait for the reader.
    std::vector<std::uint8_t> block(4 << 20);
    for (std::size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<std::uint8_t>(i * 31);
    }
    std::vector<std::uint8_t> received;
    std::thread reader([&] {
        std::vector<std::uint8_t> buffer(65536);
        while (received.size() < block.size()) {
            const ReceiveResult r = b_->Receive(buffer, MonoClock::now() + seconds(5));
            if (r.failed || r.count == 0) {
                return;
            }
            received.insert(received.end(), buffer.begin(), buffer.begin() + r.count);
        }
    });
    EXPECT_EQ(a_->Transmit(block), static_cast<long>(block.size()));
    reader.join();
    EXPECT_EQ(received, block);
}

}  // namespace
}  // namespace zor06::platform
