// Serial ports opened on the slave side of a pseudo-terminal, the master playing the device.
#include "platform/serial_port_posix.h"

#include <asm/termbits.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>

#include <memory>

#include "platform/channel_reading.h"
#include "platform/pty.h"
#include "platform/tcp_socket.h"

namespace zor06::platform {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using test_io::Bytes;
using test_io::ReadBytes;

class SerialPortOnPtyTest : public ::testing::Test {
protected:
    void SetUp() override {
        PtyPair pair;
        std::string error;
        ASSERT_TRUE(OpenPty(&pair, &error)) << error;
        masterFd_ = pair.master;
        master_ = WrapStreamDescriptor(pair.master);
        slavePath_ = pair.slavePath;
    }

    std::unique_ptr<SerialPort> Open(const SerialSettings& settings) {
        OpenError error = OpenError::Failed;
        auto port = OpenComPort(slavePath_, settings, &error);
        EXPECT_EQ(error, OpenError::None);
        return port;
    }

    // The slave's settings as the kernel holds them (master ioctls reach the slave's termios).
    termios2 SlaveTermios() const {
        termios2 t{};
        EXPECT_EQ(ioctl(masterFd_, TCGETS2, &t), 0);
        return t;
    }

    int masterFd_ = -1;
    std::unique_ptr<ByteChannel> master_;
    std::string slavePath_;
};

TEST_F(SerialPortOnPtyTest, BytesTravelBothWays) {
    auto port = Open({});
    ASSERT_NE(port, nullptr);

    const auto request = Bytes("\x01\x03query\r\n");
    ASSERT_EQ(master_->Transmit(request), static_cast<long>(request.size()));
    EXPECT_EQ(ReadBytes(*port, request.size()), request);

    const auto reply = Bytes("reply\x00\xff");
    ASSERT_EQ(port->Transmit(reply), static_cast<long>(reply.size()));
    EXPECT_EQ(ReadBytes(*master_, reply.size()), reply);
}

TEST_F(SerialPortOnPtyTest, ReceiveWithNothingWaitingReturnsAtTheDeadline) {
    auto port = Open({});
    ASSERT_NE(port, nullptr);
    std::uint8_t buffer[16];

    const MonoTime until = MonoClock::now() + milliseconds(50);
    const ReceiveResult r = port->Receive(buffer, until);
    const MonoTime returned = MonoClock::now();
    EXPECT_EQ(r.count, 0u);
    EXPECT_FALSE(r.failed);
    EXPECT_GE(returned, until);
    EXPECT_LT(returned - until, seconds(1));

    const MonoTime start = MonoClock::now();
    const ReceiveResult look = port->Receive(buffer, start - seconds(1));
    EXPECT_EQ(look.count, 0u);
    EXPECT_FALSE(look.failed);
    EXPECT_LT(MonoClock::now() - start, seconds(1));
}

TEST_F(SerialPortOnPtyTest, DiscardQueuesDropsWaitingInput) {
    auto port = Open({});
    ASSERT_NE(port, nullptr);
    ASSERT_EQ(master_->Transmit(Bytes("abcdef")), 6);
    std::uint8_t first[1];
    ASSERT_EQ(port->Receive(first, MonoClock::now() + seconds(1)).count, 1u);

    port->DiscardQueues();
    std::uint8_t buffer[16];
    EXPECT_EQ(port->Receive(buffer, MonoClock::now() + milliseconds(50)).count, 0u);
}

TEST_F(SerialPortOnPtyTest, ClosedDeviceSideFailsReceive) {
    auto port = Open({});
    ASSERT_NE(port, nullptr);
    master_.reset();
    std::uint8_t buffer[16];
    EXPECT_TRUE(port->Receive(buffer, MonoClock::now() + seconds(1)).failed);
}

TEST_F(SerialPortOnPtyTest, DirectionControlWithoutModemLinesStillWrites) {
    for (const bool atOpening : {false, true}) {
        SCOPED_TRACE(atOpening ? "given at opening" : "switched on later");
        SerialSettings settings;
        settings.directionControl = atOpening;
        auto port = Open(settings);
        ASSERT_NE(port, nullptr);
        if (!atOpening) {
            port->SetDirectionControl(true);
        }
        for (const char* text : {"first", "second"}) {
            const auto bytes = Bytes(text);
            EXPECT_EQ(port->Transmit(bytes), static_cast<long>(bytes.size()));
            EXPECT_EQ(ReadBytes(*master_, bytes.size()), bytes);
        }
    }
}

// A pseudo-terminal forces eight data bits without parity, so only the rest of the frame and the
// raw mode can be seen here; the frame mapping itself is covered in serial_frame_test.
TEST_F(SerialPortOnPtyTest, OpensTheDeviceRawWithTheRequestedStopBits) {
    for (const bool twoStops : {false, true}) {
        SerialSettings settings;
        settings.stopBits = twoStops ? 2 : 0;
        auto port = Open(settings);
        ASSERT_NE(port, nullptr);
        const termios2 t = SlaveTermios();
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, twoStops);
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
        EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
        EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG), 0u);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
    }
}

TEST_F(SerialPortOnPtyTest, AppliesAnyRateWithinTheClamp) {
    struct Case {
        int requested, applied;
    };
    const Case cases[] = {{7680, 7680}, {3200, 3200},   {11520, 11520},    {28800, 28800},
                          {9600, 9600}, {50, kMinBaud}, {300000, kMaxBaud}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requested);
        SerialSettings settings;
        settings.baud = c.requested;
        auto port = Open(settings);
        ASSERT_NE(port, nullptr);
        const termios2 t = SlaveTermios();
        EXPECT_EQ(t.c_cflag & CBAUD, static_cast<tcflag_t>(BOTHER));
        EXPECT_EQ(t.c_ospeed, static_cast<speed_t>(c.applied));
        EXPECT_EQ(t.c_ispeed, static_cast<speed_t>(c.applied));
    }
}

TEST_F(SerialPortOnPtyTest, SetBaudChangesTheRateAndKeepsTheFrame) {
    SerialSettings settings;
    settings.stopBits = 2;
    auto port = Open(settings);
    ASSERT_NE(port, nullptr);

    EXPECT_TRUE(port->SetBaud(5760));
    const termios2 t = SlaveTermios();
    EXPECT_EQ(t.c_ospeed, 5760u);
    EXPECT_EQ(t.c_ispeed, 5760u);
    EXPECT_EQ(t.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
    EXPECT_EQ(t.c_lflag & ICANON, 0u);

    EXPECT_TRUE(port->SetBaud(1'000'000));
    EXPECT_EQ(SlaveTermios().c_ospeed, static_cast<speed_t>(kMaxBaud));
}

// The direct line's rate goes back onto the port before each transmission; other lines keep theirs.
TEST_F(SerialPortOnPtyTest, PrepareTransmitReappliesTheRateOnlyWhenAsked) {
    struct Case {
        bool reapply;
        speed_t expected;
    };
    for (const Case& c : {Case{true, 4800}, Case{false, 9600}}) {
        SCOPED_TRACE(c.reapply);
        SerialSettings settings;
        settings.baud = 9600;
        auto port = Open(settings);
        ASSERT_NE(port, nullptr);
        port->PrepareTransmit({.baud = 4800, .reapplyBaud = c.reapply, .directionControl = false});
        EXPECT_EQ(SlaveTermios().c_ospeed, c.expected);
        EXPECT_TRUE(port->RecoverFromFailure());  // a serial line stays usable after a failure
    }
}

TEST_F(SerialPortOnPtyTest, PresentWhenTheDeviceOpens) {
    EXPECT_TRUE(ComPortPresent(slavePath_));
    EXPECT_FALSE(ComPortPresent("/dev/zor06-no-such-port"));
}

TEST(OpenComPortTest, MissingDeviceIsAbsent) {
    OpenError error = OpenError::None;
    EXPECT_EQ(OpenComPort("/dev/zor06-no-such-port", {}, &error), nullptr);
    EXPECT_EQ(error, OpenError::Absent);
}

TEST(OpenComPortTest, DeviceThatIsNoTerminalFails) {
    OpenError error = OpenError::None;
    EXPECT_EQ(OpenComPort("/dev/null", {}, &error), nullptr);
    EXPECT_EQ(error, OpenError::Failed);
}

}  // namespace
}  // namespace zor06::platform
