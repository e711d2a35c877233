// What sets the fleet's controllers apart, and the subscriber list that names them.
#include "zor06-sim/fleet.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "zor06-sim/fleet_subscribers.h"

namespace zor06::sim {
namespace {

namespace fs = std::filesystem;

ControllerConfig Options() {
    ControllerConfig c;
    c.address = 7;
    c.serialNumber = 5000;
    c.data.seed = 40;
    c.password = "1234";
    c.runs = 1;
    c.destroyedTables = {13};
    return c;
}

TEST(FleetTest, EachControllerHasItsOwnAddressSerialNumberSeedAndNames) {
    const ControllerConfig options = Options();
    const struct {
        int index;
        std::uint8_t address;
        std::uint32_t serial;
        std::uint64_t seed;
        std::array<std::string, 3> names;
    } cases[] = {
        {1, 7, 5000, 40, {"ЗОР_06 КС-01", "Нитка 1 КС-01", "Нитка 2 КС-01"}},
        {2, 8, 5001, 41, {"ЗОР_06 КС-02", "Нитка 1 КС-02", "Нитка 2 КС-02"}},
        {12, 18, 5011, 51, {"ЗОР_06 КС-12", "Нитка 1 КС-12", "Нитка 2 КС-12"}},
        {200, 206, 5199, 239, {"ЗОР_06 КС-200", "Нитка 1 КС-200", "Нитка 2 КС-200"}},
    };
    for (const auto& c : cases) {
        const ControllerConfig member = FleetController(options, c.index);
        EXPECT_EQ(member.address, c.address) << c.index;
        EXPECT_EQ(member.serialNumber, c.serial) << c.index;
        EXPECT_EQ(member.data.seed, c.seed) << c.index;
        EXPECT_EQ(member.names, c.names) << c.index;
        // Everything else is the options' own.
        EXPECT_EQ(member.password, options.password) << c.index;
        EXPECT_EQ(member.runs, options.runs) << c.index;
        EXPECT_EQ(member.destroyedTables, options.destroyedTables) << c.index;
    }
}

TEST(FleetTest, NoiseFollowsASeedOfItsOwnOnlyWhenOneIsGiven) {
    FaultOptions seeded;
    seeded.seed = 9;
    seeded.noise = 3;
    EXPECT_EQ(FleetFaults(seeded, 1).seed, 9U);
    EXPECT_EQ(FleetFaults(seeded, 4).seed, 12U);
    EXPECT_EQ(FleetFaults(seeded, 4).noise, 3);
    EXPECT_FALSE(FleetFaults(FaultOptions{}, 4).seed);
}

TEST(FleetTest, SubscribersAreReachedAtAnIpv4Address) {
    const struct {
        const char* host;
        std::optional<std::uint32_t> ip;
    } cases[] = {
        {"127.0.0.1", 0x7F000001},   {"10.1.2.3", 0x0A010203},
        {"0.0.0.0", 0x7F000001},  // every interface: through the loopback
        {"localhost", std::nullopt}, {"::1", std::nullopt},
        {"127.0.0", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SubscriberIp(c.host), c.ip) << c.host;
    }
}

class FleetSubscribersTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) / ("zor06-fleet-" + std::to_string(getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(FleetSubscribersTest, TheListReadsBackThroughTheProgramsReader) {
    const FleetStation stations[] = {{1, 3, 40001}, {2, 4, 40002}, {3, 5, 39990}};
    const settings::EthernetList list = FleetSubscriberList(0x7F000001, stations);
    const fs::path path = dir_ / "INI" / settings::kEthernetListFile;  // its folder made too
    std::string error;
    ASSERT_TRUE(WriteFleetSubscribers(path, list, &error)) << error;

    std::string reason;
    const std::optional<settings::IniFile> ini = settings::LoadIniFile(path, &reason);
    ASSERT_TRUE(ini) << reason;
    std::vector<settings::ReplacedValue> replaced;
    const settings::EthernetList read = settings::ReadEthernetList(*ini, &replaced);
    EXPECT_TRUE(replaced.empty());
    EXPECT_EQ(read, list);
    ASSERT_EQ(read.entries.size(), 3U);
    for (std::size_t i = 0; i < read.entries.size(); ++i) {
        EXPECT_EQ(read.entries[i].name, FleetStationName(stations[i].index));
        EXPECT_EQ(read.entries[i].address, stations[i].address);
        EXPECT_EQ(read.entries[i].ip, 0x7F000001U);
        EXPECT_EQ(read.entries[i].port, stations[i].port);
    }
    EXPECT_EQ(read.current, 0);
    EXPECT_EQ(read.sorting, 0);
}

TEST_F(FleetSubscribersTest, AnExistingFileIsNeverReplaced) {
    fs::create_directories(dir_);
    const fs::path file = dir_ / "list.ini";
    const fs::path link = dir_ / "link.ini";
    std::ofstream(file) << "mine";
    fs::create_symlink(dir_ / "nowhere", link);
    const FleetStation stations[] = {{1, 1, 40001}};
    for (const fs::path& path : {file, link}) {
        std::string error;
        EXPECT_FALSE(
            WriteFleetSubscribers(path, FleetSubscriberList(0x7F000001, stations), &error));
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    }
    std::string kept;
    std::getline(std::ifstream(file), kept);
    EXPECT_EQ(kept, "mine");
    EXPECT_FALSE(fs::exists(dir_ / "nowhere"));
}

}  // namespace
}  // namespace zor06::sim
