// A command's options are read wherever they stand, its name known or not yet, and only for the
// commands whose rows list them. --help at the end shows whether the line was accepted.
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

TEST(CtlCommandOptions, TakenBeforeOrAfterTheirCommandsName) {
    const struct {
        std::string command;
        std::vector<std::string> args;
    } cases[] = {
        {"chromatograph", {"--run", "1", "chromatograph", "hour", "--last-day"}},
        {"chromatograph",
         {"chromatograph", "--from", "01.12.26 00:00", "hour", "--to", "02.12.26 00:00", "--run",
          "2"}},
        {"protocol", {"--save", "f", "--pdf", "p", "protocol", "--out", "g"}},
        {"write-config", {"write-config", "--tables", "6", "f.cnf"}},
        {"passport", {"passport", "day", "--date", "01.12.26", "--object", "A"}},
        {"show-data", {"--xlsx", "x", "show-data", "f.hch"}},
    };
    for (const auto& c : cases) {
        auto withHelp = c.args;
        withHelp.push_back("--help");
        const auto help = Ctl(withHelp);
        EXPECT_EQ(help.exitCode, 0) << c.command << ": " << help.err;
        EXPECT_EQ(help.out, Ctl({c.command, "--help"}).out) << c.command;
    }
}

TEST(CtlCommandOptions, WrongValuesAndOtherCommandsOptionsAreWrongUsage) {
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"chromatograph", "hour", "--run", "3"}, "--run takes 1 or 2\n"},
        {{"--run", "0", "momentary"}, "--run takes 1 or 2\n"},
        {{"protocol", "--out", ""}, "--out needs a file name\n"},
        {{"print-protocol", "f.prc", "--pdf"}, "--pdf needs a value\n"},
        {{"moisture", "hour", "--from", ""}, "--from needs a value\n"},
        {{"identify", "--run", "1"}, "unknown option --run\n"},
        {{"--tables", "6", "protocol"}, "unknown option --tables\n"},
        {{"show-messages", "f.aud", "--xlsx", "x"}, "unknown option --xlsx\n"},
        {{"--out", "f"}, "unknown option --out\n"},
    };
    for (const auto& c : cases) {
        const auto r = Ctl(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.error;
        EXPECT_TRUE(r.err.starts_with(c.error)) << r.err;
        EXPECT_NE(r.err.find("COMMAND --help shows the command's own help."), std::string::npos);
    }
}

}  // namespace
}  // namespace zor06::test
