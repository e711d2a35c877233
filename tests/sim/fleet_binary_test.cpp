// The simulator serving a fleet, started as a separate process: every controller on its own port,
// the subscriber list it writes, and slow controllers answering side by side.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "bytes/byte_reader.h"
#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "sim/sim_client.h"
#include "sim/sim_frames.h"
#include "support/sim_process.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::sim {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using test::SimProcess;
using testing::Bytes;
using testing::Connect;
using testing::Exchange;
using testing::ReadRequest;
using testing::Values;

constexpr char kHost[] = "TCP 127.0.0.1:";

// The ports of a fleet's start lines, in the order printed; empty when a line is missing or
// not of the one controller's form.
std::vector<std::uint16_t> FleetPorts(SimProcess& sim, int count) {
    std::vector<std::uint16_t> ports;
    for (int i = 0; i < count; ++i) {
        const std::optional<std::string> line = i == 0 ? sim.StartLine() : sim.NextLine();
        if (!line || !line->starts_with(kHost)) {
            return {};
        }
        ports.push_back(static_cast<std::uint16_t>(std::stoul(line->substr(sizeof kHost - 1))));
    }
    return ports;
}

// Table 5 as the controller keeps it: Windows-1251, each name blank-padded to 20 bytes.
Bytes NamesField(int station) {
    Bytes field;
    for (const char* run : {"ЗОР_06 КС-%02d", "Нитка 1 КС-%02d", "Нитка 2 КС-%02d"}) {
        std::string name = text::Utf8ToCp1251(text::Printf(run, station));
        name.resize(20, ' ');
        field.insert(field.end(), name.begin(), name.end());
    }
    return field;
}

class FleetBinaryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) / ("zor06-fleet-bin-" + std::to_string(getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(FleetBinaryTest, EachPortServesAControllerOfItsOwn) {
    constexpr int kFleet = 3;
    constexpr int kFirstAddress = 4;
    const fs::path list = dir_ / "INI" / settings::kEthernetListFile;
    SimProcess sim(ZOR06_SIM_PATH,
                   {"--tcp", "0", "--fleet", std::to_string(kFleet), "--address",
                    std::to_string(kFirstAddress), "--fleet-subscribers", list.string()});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    const std::vector<std::uint16_t> ports = FleetPorts(sim, kFleet);
    ASSERT_EQ(ports.size(), static_cast<std::size_t>(kFleet)) << sim.Error();
    EXPECT_TRUE(std::ranges::is_sorted(ports));

    std::set<std::uint32_t> serials;
    for (int i = 0; i < kFleet; ++i) {
        SCOPED_TRACE(i);
        const auto address = static_cast<std::uint8_t>(kFirstAddress + i);
        const auto socket = Connect(ports[static_cast<std::size_t>(i)]);
        ASSERT_TRUE(socket);
        // Another station's address goes unanswered here.
        EXPECT_TRUE(
            Exchange(*socket, ReadRequest(address + 1, 0, 0, 1), milliseconds(300)).empty());
        const Bytes address3 = Exchange(*socket, ReadRequest(address, 3, 0, 1));
        ASSERT_TRUE(testing::ValidReply(address3));
        EXPECT_EQ(Values(address3), Bytes{address});
        const Bytes names = Exchange(*socket, ReadRequest(address, 5, 0, 3));
        ASSERT_TRUE(testing::ValidReply(names));
        EXPECT_EQ(Values(names), NamesField(i + 1));
        const Bytes serial = Exchange(*socket, ReadRequest(address, 41, 0, 1));
        ASSERT_TRUE(testing::ValidReply(serial));
        ASSERT_EQ(Values(serial).size(), 4U);
        serials.insert(bytes::ByteReader(Values(serial)).U32());
    }
    EXPECT_EQ(serials.size(), static_cast<std::size_t>(kFleet));

    // The list the program reads names each station at its port and address.
    std::string reason;
    const std::optional<settings::IniFile> ini = settings::LoadIniFile(list, &reason);
    ASSERT_TRUE(ini) << reason;
    const settings::EthernetList read = settings::ReadEthernetList(*ini);
    ASSERT_EQ(read.entries.size(), static_cast<std::size_t>(kFleet));
    for (int i = 0; i < kFleet; ++i) {
        const settings::EthernetEntry& entry = read.entries[static_cast<std::size_t>(i)];
        EXPECT_EQ(entry.name, text::Printf("Станция %02d", i + 1));
        EXPECT_EQ(entry.address, kFirstAddress + i);
        EXPECT_EQ(entry.ip, 0x7F000001U);
        EXPECT_EQ(entry.port, ports[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(FleetBinaryTest, SlowControllersAnswerSideBySide) {
    constexpr int kFleet = 4;
    constexpr milliseconds kDelay{400};
    SimProcess sim(ZOR06_SIM_PATH, {"--tcp", "0", "--fleet", std::to_string(kFleet),
                                    "--reply-delay", std::to_string(kDelay.count())});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    const std::vector<std::uint16_t> ports = FleetPorts(sim, kFleet);
    ASSERT_EQ(ports.size(), static_cast<std::size_t>(kFleet));
    std::vector<std::unique_ptr<platform::TcpSocket>> sockets;
    for (int i = 0; i < kFleet; ++i) {
        sockets.push_back(Connect(ports[static_cast<std::size_t>(i)]));
        ASSERT_TRUE(sockets.back());
    }
    const auto start = platform::MonoClock::now();
    for (int i = 0; i < kFleet; ++i) {
        const Bytes request = ReadRequest(static_cast<std::uint8_t>(1 + i), 0, 0, 18);
        ASSERT_EQ(sockets[static_cast<std::size_t>(i)]->Transmit(request),
                  static_cast<long>(request.size()));
    }
    for (const auto& socket : sockets) {
        EXPECT_TRUE(testing::ValidReply(testing::ReceiveReply(*socket, start + 4 * kDelay)));
    }
    const auto took = platform::MonoClock::now() - start;
    EXPECT_GE(took, kDelay);
    // One after another they would take kFleet delays.
    EXPECT_LT(took, 2 * kDelay);
    EXPECT_EQ(sim.Stop(), 0);
}

TEST_F(FleetBinaryTest, AFleetThatCannotStartSaysSo) {
    fs::create_directories(dir_);
    const fs::path taken = dir_ / "taken.ini";
    std::ofstream(taken) << "[ETHERNET_CONN_PAR]\n";
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"--pty", "--fleet", "2"}, 2},
        {{"--fleet", "2"}, 2},
        {{"--tcp", "0", "--fleet", "201"}, 2},
        {{"--tcp", "0", "--fleet", "0"}, 2},
        {{"--tcp", "0", "--fleet", "2", "--fleet-subscribers", taken.string()}, 1},
    };
    for (const auto& c : cases) {
        SimProcess sim(ZOR06_SIM_PATH, c.args);
        EXPECT_FALSE(sim.Started()) << c.args[1];
        EXPECT_EQ(sim.Stop(), c.status) << c.args[1];
    }
    std::string kept;
    std::getline(std::ifstream(taken), kept);
    EXPECT_EQ(kept, "[ETHERNET_CONN_PAR]");
}

}  // namespace
}  // namespace zor06::sim
