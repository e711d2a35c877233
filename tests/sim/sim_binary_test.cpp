// The simulator program itself, started as a separate process, over its real transports.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/serial_port_posix.h"
#include "platform/tcp_socket.h"
#include "sim/sim_client.h"
#include "sim/sim_frames.h"
#include "support/sim_process.h"

namespace zor06::sim {
namespace {

using std::chrono::milliseconds;
using test::SimProcess;
using testing::Bytes;
using testing::Connect;

constexpr milliseconds kNoReplyWait{300};

// Reads table 0 of controller 1; empty when no reply comes in time.
Bytes ReadTable0(platform::ByteChannel& channel, milliseconds wait = testing::kReplyWait) {
    return testing::Exchange(channel, testing::ReadRequest(1, 0, 0, 18), wait);
}

void ExpectTable0(const Bytes& reply) {
    ASSERT_TRUE(testing::ValidReply(reply));
    ASSERT_EQ(reply.size(), 28U);
    EXPECT_EQ(reply[9], 73);
    EXPECT_EQ(reply[11], 6);
}

std::unique_ptr<platform::SerialPort> OpenPty(const std::string& path, int baud = 9600) {
    platform::SerialSettings settings;
    settings.baud = baud;
    platform::OpenError error = platform::OpenError::None;
    return platform::OpenComPort(path, settings, &error);
}

TEST(SimBinaryTest, ServesTcpAndStopsCleanly) {
    SimProcess sim(ZOR06_SIM_PATH, {"--tcp", "0"});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    EXPECT_EQ(sim.StartLine(), "TCP 127.0.0.1:" + std::to_string(sim.TcpPort()));
    ASSERT_NE(sim.TcpPort(), 0);

    std::unique_ptr<platform::TcpSocket> first = Connect(sim.TcpPort());
    ASSERT_TRUE(first);
    ExpectTable0(ReadTable0(*first));
    // A second client takes over; the first is let go.
    std::unique_ptr<platform::TcpSocket> second = Connect(sim.TcpPort());
    ASSERT_TRUE(second);
    ExpectTable0(ReadTable0(*second));
    EXPECT_TRUE(ReadTable0(*first, kNoReplyWait).empty());

    EXPECT_EQ(sim.Stop(), 0);
}

TEST(SimBinaryTest, ServesAPseudoTerminalUnderAStableName) {
    const std::string link = ::testing::TempDir() + "zor06-sim-link-" + std::to_string(getpid());
    SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--link", link});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    ASSERT_TRUE(sim.PtyPath().starts_with("/dev/pts/")) << sim.StartLine();
    EXPECT_EQ(std::filesystem::read_symlink(link), sim.PtyPath());

    // Two sessions one after another: the line stays usable after the first client closes.
    for (int session = 0; session < 2; ++session) {
        std::unique_ptr<platform::SerialPort> port = OpenPty(link);
        ASSERT_TRUE(port);
        ExpectTable0(ReadTable0(*port));
    }

    EXPECT_EQ(sim.Stop(), 0);
    struct stat st {};
    EXPECT_NE(lstat(link.c_str(), &st), 0) << "the link outlived the simulator";
}

TEST(SimBinaryTest, APseudoTerminalWithABaudRateAnswersOnlyAtThatSpeed) {
    SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--baud", "19200"});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    std::unique_ptr<platform::SerialPort> port = OpenPty(sim.PtyPath(), 9600);
    ASSERT_TRUE(port);
    EXPECT_TRUE(ReadTable0(*port, kNoReplyWait).empty());
    ASSERT_TRUE(port->SetBaud(19200));
    ExpectTable0(ReadTable0(*port));
}

TEST(SimBinaryTest, WrongUsageEndsWithStatus2) {
    SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--address", "300"});
    EXPECT_FALSE(sim.Started());
    EXPECT_EQ(sim.Stop(), 2);
}

}  // namespace
}  // namespace zor06::sim
