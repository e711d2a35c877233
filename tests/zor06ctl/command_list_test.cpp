// The tool's command list: forms at column 2, summaries at column 33.
#include <gtest/gtest.h>

#include "zor06ctl/command_table.h"

namespace zor06::ctl {
namespace {

TEST(CommandListTest, PutsTheSummaryBesideTheFormWhenItLeavesRoom) {
    const struct {
        Synopsis synopsis;
        const char* lines;
    } cases[] = {
        {{"functions", "whether it can"}, "  functions                      whether it can\n"},
        // 29 characters still leave the two blanks before column 33.
        {{"show-config FILE.cnf [--json]", "values"}, "  show-config FILE.cnf [--json]  values\n"},
        {{"show-config FILE.cnf [--jsonx]", "values"},
         "  show-config FILE.cnf [--jsonx]\n"
         "                                 values\n"},
        {{"bounds 3min", "the period:\nHH:MM"},
         "  bounds 3min                    the period:\n"
         "                                 HH:MM\n"},
        // A form's further lines are indented under the arguments; the summary follows the last.
        {{"passport day|month --run 1|2\n[--out F]", "build it"},
         "  passport day|month --run 1|2\n"
         "           [--out F]             build it\n"},
        {{"moisture 3min|hour|day (the same period options)\n[--pdf F] [--json|--csv]", "read it"},
         "  moisture 3min|hour|day (the same period options)\n"
         "           [--pdf F] [--json|--csv]\n"
         "                                 read it\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandListEntry(c.synopsis), c.lines) << c.synopsis.form;
    }
}

// Options that bring help of their own follow the command's text as the command list lays out
// its lines; the others are covered by that text.
TEST(CommandListTest, CommandHelpAddsTheOptionsWithHelpOfTheirOwn) {
    constexpr Option options[] = {
        {.name = "--db", .value = "FILE", .help = "the station database"},
        {.name = "--stations", .value = "A,B,...", .help = "the stations to read,\nin order"},
        {.name = "--out", .value = "FILE"},
        {.name = "--iso-check", .help = "check against the standard"},
    };
    const Command command{
        .name = "x", .synopsis = {}, .help = "zor06ctl x\n", .run = nullptr, .options = options};
    EXPECT_EQ(CommandHelp(command),
              "zor06ctl x\n"
              "  --db FILE                      the station database\n"
              "  --stations A,B,...             the stations to read,\n"
              "                                 in order\n"
              "  --iso-check                    check against the standard\n");

    const Command plain{
        .name = "y", .synopsis = {}, .help = "zor06ctl y\n  Text.\n", .run = nullptr};
    EXPECT_EQ(CommandHelp(plain), "zor06ctl y\n  Text.\n");
}

}  // namespace
}  // namespace zor06::ctl
