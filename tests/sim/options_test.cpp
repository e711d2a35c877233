#include "zor06-sim/options.h"

#include <gtest/gtest.h>

#include <vector>

namespace zor06::sim {
namespace {

ParsedOptions Parse(std::vector<std::string_view> args) {
    return ParseOptions(args);
}

Options Good(std::vector<std::string_view> args) {
    ParsedOptions parsed = Parse(args);
    EXPECT_EQ(parsed.error, "");
    return parsed.options;
}

TEST(OptionsTest, Transports) {
    const Options tcp = Good({"--tcp", "0"});
    EXPECT_EQ(tcp.transport, Transport::Tcp);
    EXPECT_EQ(tcp.tcpHost, "127.0.0.1");
    EXPECT_EQ(tcp.tcpPort, 0);

    const Options anyHost = Good({"--tcp=0.0.0.0:5020"});
    EXPECT_EQ(anyHost.tcpHost, "0.0.0.0");
    EXPECT_EQ(anyHost.tcpPort, 5020);

    const Options pty = Good({"--pty", "--link", "/tmp/zor", "--baud", "19200"});
    EXPECT_EQ(pty.transport, Transport::Pty);
    EXPECT_EQ(pty.linkPath, "/tmp/zor");
    EXPECT_EQ(pty.baud, 19200);

    const Options serial = Good({"--serial", "/dev/ttyUSB0"});
    EXPECT_EQ(serial.transport, Transport::Serial);
    EXPECT_EQ(serial.serialDevice, "/dev/ttyUSB0");
    EXPECT_EQ(serial.baud, 9600);

    const Options modem =
        Good({"--pty", "--modem", "--modem-result", "NO DIALTONE", "--modem-cpas", "3"});
    EXPECT_TRUE(modem.modem.enabled);
    EXPECT_EQ(modem.modem.dialResult, "NO DIALTONE");
    EXPECT_EQ(modem.modem.cpas, 3);
}

TEST(OptionsTest, ControllerAndFaults) {
    const Options o = Good({"--pty",
                            "--address",
                            "7",
                            "--type=80",
                            "--version",
                            "5",
                            "--destroyed",
                            "13",
                            "--destroyed=4",
                            "--cp866",
                            "--password",
                            "пароль",
                            "--chromatograph-type",
                            "2",
                            "--runs",
                            "1",
                            "--noise",
                            "4",
                            "--bad-crc",
                            "3",
                            "--silent",
                            "--drop-every",
                            "5",
                            "--reply-delay",
                            "100",
                            "--gap",
                            "20",
                            "--line-baud",
                            "1200",
                            "--late-reply",
                            "*3",
                            "--late-by",
                            "1500",
                            "--seed",
                            "99",
                            "--verbose"});
    EXPECT_EQ(o.controller.address, 7);
    EXPECT_EQ(o.controller.type, 80);
    EXPECT_EQ(o.controller.version, 5);
    EXPECT_EQ(o.controller.destroyedTables, (std::vector<std::uint8_t>{13, 4}));
    EXPECT_TRUE(o.controller.cp866);
    EXPECT_EQ(o.controller.password, "\xEF\xE0\xF0\xEE\xEB\xFC");  // Windows-1251
    EXPECT_EQ(o.controller.chromatographType, 2);
    EXPECT_EQ(o.controller.runs, 1);
    EXPECT_EQ(o.faults.noise, 4);
    EXPECT_EQ(o.faults.badCrc, 3);
    EXPECT_TRUE(o.faults.silent);
    EXPECT_EQ(o.faults.dropEvery, 5);
    EXPECT_EQ(o.faults.replyDelayMs, 100);
    EXPECT_EQ(o.faults.gapMs, 20);
    EXPECT_EQ(o.faults.lineBaud, 1200);
    EXPECT_EQ(o.faults.lateEvery, 3);
    EXPECT_EQ(o.faults.lateByMs, 1500);
    EXPECT_EQ(Good({"--pty", "--late-reply", "2", "--late-by", "9"}).faults.lateRequest, 2);
    EXPECT_EQ(o.faults.seed, 99U);
    EXPECT_TRUE(o.verbose);
}

TEST(OptionsTest, MessageArchives) {
    const Options o =
        Good({"--pty", "--interventions", "0", "--diagnostics", "30", "--diagnostics-oldest",
              "4294967290", "--short-batch", "3", "--bad-record-crc", "7", "--archive-error"});
    EXPECT_EQ(o.controller.interventions.size, 0u);
    EXPECT_EQ(o.controller.diagnostics.size, 30u);
    EXPECT_EQ(o.controller.diagnostics.oldestIndex, 4294967290u);
    EXPECT_EQ(o.controller.interventions.oldestIndex, 1u);
    for (const MessageArchiveConfig* a : {&o.controller.interventions, &o.controller.diagnostics}) {
        EXPECT_EQ(a->shortBatch, 3);
        EXPECT_EQ(a->badCrcIndex, 7u);
        EXPECT_TRUE(a->errorFlag);
    }
}

TEST(OptionsTest, DataArchives) {
    const Options o = Good(
        {"--pty", "--seed", "5", "--data-start", "24-03-03 14:20:10", "--empty-data-archive",
         "hour", "--data-status", "day/run2/24-03-01=0x22", "--bad-data-crc", "min/moisture/*20",
         "--missing-data", "hour/run1/24-03-04 11:00", "--repeat-data-replies", "--frozen-clock"});
    const DataArchiveConfig& d = o.controller.data;
    EXPECT_EQ(d.seed, 5U);
    EXPECT_EQ(d.start, (bytes::ControllerDateTime{24, 3, 3, 14, 20, 10}));
    EXPECT_EQ(d.empty, (std::array<bool, 3>{false, true, false}));
    ASSERT_EQ(d.statuses.size(), 1U);
    EXPECT_EQ(d.statuses[0].status, 0x22);
    EXPECT_EQ(d.statuses[0].where.source, DataSource::Run2);
    EXPECT_EQ(d.statuses[0].where.archive, DataArchive::Day);
    ASSERT_EQ(d.badCrc.size(), 1U);
    EXPECT_EQ(d.badCrc[0].every, 20);
    EXPECT_EQ(d.missing.size(), 1U);
    EXPECT_TRUE(d.repeatReplies);
    EXPECT_TRUE(o.controller.frozenClock);
}

TEST(OptionsTest, HelpNeedsNothingElse) {
    EXPECT_TRUE(Good({"--help"}).help);
}

TEST(OptionsTest, AFleetTakesItsSizeAndSubscriberList) {
    const Options fleet = Good({"--tcp", "127.0.0.1:40000", "--fleet", "200", "--address", "55",
                                "--fleet-subscribers", "/tmp/w/INI/ethr_abonents.ini"});
    EXPECT_EQ(fleet.fleet, 200);
    EXPECT_EQ(fleet.fleetSubscribers, "/tmp/w/INI/ethr_abonents.ini");
    EXPECT_EQ(Good({"--tcp", "0"}).fleet, 0);
    EXPECT_EQ(Good({"--tcp", "65535", "--fleet=1"}).fleet, 1);
}

TEST(OptionsTest, AWrongFleetSaysWhatIsWrong) {
    const struct {
        std::vector<std::string_view> args;
        std::string_view error;
    } cases[] = {
        {{"--fleet", "3"}, "--fleet goes with --tcp"},
        {{"--pty", "--fleet", "3"}, "--fleet goes with --tcp"},
        {{"--serial", "/dev/ttyS0", "--fleet", "3"}, "--fleet goes with --tcp"},
        {{"--tcp", "0", "--fleet", "0"}, "--fleet takes a number 1..200"},
        {{"--tcp", "0", "--fleet", "201"}, "--fleet takes a number 1..200"},
        {{"--tcp", "65530", "--fleet", "7"}, "--fleet 7: the ports from 65530 on run past 65535"},
        {{"--tcp", "0", "--address", "250", "--fleet", "6"},
         "--fleet 6: the addresses from 250 on run past 254"},
        {{"--tcp", "0", "--fleet-subscribers", "x.ini"}, "--fleet-subscribers goes with --fleet"},
        {{"--tcp", "localhost:0", "--fleet", "2", "--fleet-subscribers", "x.ini"},
         "--fleet-subscribers needs --tcp with an IPv4 address as HOST"},
        {{"--tcp", "0", "--address", "0", "--fleet", "2", "--fleet-subscribers", "x.ini"},
         "--fleet-subscribers: a subscriber's address is 1..255, not 0"},
        {{"--tcp", "0", "--fleet", "2", "--fleet-subscribers="},
         "--fleet-subscribers takes a file name"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Parse(c.args).error, c.error) << c.args.back();
    }
}

TEST(OptionsTest, WrongUsageIsReported) {
    const std::vector<std::vector<std::string_view>> wrong{
        {},
        {"--address", "3"},       // no transport
        {"--tcp", "0", "--pty"},  // two transports
        {"--pty", "--bogus"},
        {"--pty", "--address"},         // value missing
        {"--pty", "--address", "255"},  // the broadcast address
        {"--pty", "--address", "1x"},
        {"--pty", "--type", "-1"},
        {"--pty", "--destroyed", "1"},  // a table number the controller lacks
        {"--pty", "--destroyed", "43"},
        {"--pty", "--password", "тринадцать123"},
        {"--pty", "--cp866=1"},
        {"--tcp", "host:"},
        {"--tcp", "70000"},
        {"--tcp", "0", "--link", "/tmp/x"},
        {"--tcp", "0", "--baud", "9600"},
        {"--serial", "/dev/ttyS0", "--baud", "12"},
        {"--pty", "--short-batch", "12"},  // more than a frame holds
        {"--pty", "--interventions", "-1"},
        {"--pty", "--diagnostics-oldest", "4294967296"},
        {"--pty", "--data-start", "24-02-30 10:00:00"},
        {"--pty", "--empty-data-archive", "week"},
        {"--pty", "--data-status", "min/run1/24-03-04 12:03"},  // no byte
        {"--pty", "--data-status", "min/run1/24-03-04 12:03=256"},
        {"--pty", "--bad-data-crc", "min/run3/*2"},
        {"--pty", "--missing-data", "hour/run1/*0"},
        {"--pty", "--missing-data", "hour/run1/24-03-04 25:00"},
        {"--pty", "--missing-data", "hour/run1"},
        {"--tcp", "0", "--modem"},
        {"--pty", "--modem-silent"},  // the modem's options need the modem
        {"--pty", "--modem", "--modem-result", "RING"},
        {"--pty", "--late-reply", "2"},  // late by how much?
        {"--pty", "--late-by", "900"},
        {"--pty", "--late-reply", "*0", "--late-by", "900"},
    };
    for (const auto& args : wrong) {
        std::string line;
        for (std::string_view a : args) {
            line += std::string(a) + ' ';
        }
        EXPECT_NE(Parse(args).error, "") << line;
    }
}

}  // namespace
}  // namespace zor06::sim
