// zor06ctl as scripts use it: output lines, exit statuses and messages.
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

using CtlTest = CtlFixture;

TEST_F(CtlTest, ReadTablePrintsOneLinePerField) {
    Start();
    const auto r = Ctl({"--tcp", endpoint, "read-table", "0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("0.0 00\n0.1 49\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("0.3 06\n"), std::string::npos);
    EXPECT_NE(r.out.find("0.17 "), std::string::npos);

    // Table 4 needs two requests of at most 245 bytes.
    const auto users = Ctl({"--tcp", endpoint, "read-table", "4", "9", "4"});
    ASSERT_EQ(users.exitCode, 0) << users.err;
    EXPECT_NE(users.out.find("4.9 "), std::string::npos);
    EXPECT_NE(users.out.find("4.12 "), std::string::npos);
    EXPECT_EQ(std::count(users.out.begin(), users.out.end(), '\n'), 4);
}

TEST_F(CtlTest, WriteTableThenReadBack) {
    Start();
    // The demonstration controller's administrator.
    const auto w = Ctl({"--tcp", endpoint, "--password", "2222", "--id-code", "2", "write-table",
                        "6", "6", "0A", "01"});
    ASSERT_EQ(w.exitCode, 0) << w.err;
    const auto r = Ctl({"--tcp", endpoint, "read-table", "6", "6", "2"});
    EXPECT_EQ(r.out, "6.6 0A\n6.7 01\n");
}

TEST_F(CtlTest, RequestPrintsTheReplyFrame) {
    Start();
    const auto r = Ctl({"--tcp", endpoint, "request", "1", "00 00 01"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 24), "33 01 0B 81 00 00 00 01 ");
}

TEST_F(CtlTest, FailuresExitWithOneAndTheStatusText) {
    Start({"--silent"});
    const auto r = Ctl({"--tcp", endpoint, "--first-byte-timeout", "200", "read-table", "0"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Не выполнено чтение из таблицы 0.\nУстройство не отвечает\n"),
              std::string::npos)
        << r.err;
}

TEST_F(CtlTest, WrongUsageExitsWithTwo) {
    EXPECT_EQ(Ctl({}).exitCode, 2);
    EXPECT_EQ(Ctl({"--tcp", "127.0.0.1:1", "frobnicate"}).exitCode, 2);
    EXPECT_EQ(Ctl({"--tcp", "127.0.0.1:1", "read-table", "1"}).exitCode, 2);
    EXPECT_EQ(Ctl({"--tcp", "127.0.0.1:1", "write-table", "6", "0", "123"}).exitCode, 2);
    EXPECT_EQ(Ctl({"--address", "256", "read-table", "0"}).exitCode, 2);
    const auto help = Ctl({"read-table", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("T.F HEX"), std::string::npos);
}

// Every command's own help names it, and the tool's help lists it and sends to it.
TEST(CtlHelp, EachCommandHasItsOwnHelpAndALineInTheList) {
    const auto tool = Ctl({"--help"});
    ASSERT_EQ(tool.exitCode, 0);
    EXPECT_NE(tool.out.find("COMMAND --help shows the command's own help."), std::string::npos);
    for (const std::string command :
         {"read-table",   "write-table",   "request",      "identify",       "read-config",
          "search",       "clock",         "sync-clock",   "users",          "save-config",
          "write-config", "show-config",   "protocol",     "print-protocol", "status",
          "functions",    "show-messages", "messages",     "bounds",         "chromatograph",
          "moisture",     "momentary",     "extra-params", "show-data",      "passport"}) {
        EXPECT_NE(tool.out.find("\n  " + command + " "), std::string::npos) << command;
        for (const auto& help : {Ctl({command, "--help"}), Ctl({"--help", command})}) {
            EXPECT_EQ(help.exitCode, 0) << command;
            EXPECT_TRUE(help.out.starts_with("zor06ctl ")) << command << ": " << help.out;
            EXPECT_TRUE(help.out.find("zor06ctl [LINK] " + command) != std::string::npos ||
                        help.out.find("zor06ctl " + command) != std::string::npos)
                << help.out;
            EXPECT_NE(help.out, tool.out) << command;
        }
    }
    const auto unknown = Ctl({"frobnicate", "--help"});
    EXPECT_EQ(unknown.out, tool.out);
}

// Options a command reads itself are taken only after that command.
TEST(CtlHelp, ACommandsOwnOptionsAreWrongUsageElsewhere) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--object", "A", "passport", "day"},
          std::vector<std::string>{"identify", "--object", "A"},
          std::vector<std::string>{"--all", "messages", "interventions"},
          std::vector<std::string>{"status", "--index", "1", "2"}}) {
        const auto r = Ctl(args);
        EXPECT_EQ(r.exitCode, 2) << args[0];
        EXPECT_TRUE(r.err.starts_with("unknown option --")) << r.err;
    }
}

TEST(CtlSearch, FindsTheControllerOnAPseudoTerminal) {
    SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--baud", "4800", "--address", "9"});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    const auto r = Ctl({"--serial", sim.PtyPath(), "--first-byte-timeout", "150", "search"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "9 4800\n");
    EXPECT_NE(r.err.find("Адр. = 9.  Скорость обмена = 4800"), std::string::npos);
}

}  // namespace
}  // namespace zor06::test
