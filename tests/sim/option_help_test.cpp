// The simulator's --help: names from column 2, their help from column 26.
#include <gtest/gtest.h>

#include "zor06-sim/option_table.h"

namespace zor06::sim {
namespace {

std::string Flag(Options&) {
    return {};
}

TEST(OptionHelpTest, PutsTheHelpBesideOrUnderTheName) {
    const struct {
        OptionRow row;
        const char* lines;
    } cases[] = {
        {{"--pty", "", "serve a pseudo-terminal", Flag},
         "  --pty                   serve a pseudo-terminal\n"},
        {{"--type", "N", "controller type\nmore", Flag},
         "  --type N                controller type\n"
         "                          more\n"},
        // A name as wide as the column keeps one blank before its help.
        {{"--no-chromatograph-link", "", "no link", Flag}, "  --no-chromatograph-link no link\n"},
        {{"--now", "\"YY-MM-DD HH:MM:SS\"", " start", Flag},
         "  --now \"YY-MM-DD HH:MM:SS\"  start\n"},
        {{"--self-diagnostics-fault", "", "\nself-diagnostics found", Flag},
         "  --self-diagnostics-fault\n"
         "                          self-diagnostics found\n"},
        // Described with another option.
        {{"--late-by", "MS", "", Flag}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OptionHelp(c.row), c.lines) << c.row.name;
    }
}

TEST(OptionHelpTest, ASectionIsItsHeadingItsOptionsAndItsNote) {
    const OptionRow options[] = {{"--silent", "", "never answer", Flag},
                                 {"--late-by", "MS", "", Flag}};
    EXPECT_EQ(SectionHelp({"Faults:", options, "Every fault\nat once."}),
              "Faults:\n"
              "  --silent                never answer\n"
              "  Every fault\n"
              "  at once.\n");
    EXPECT_EQ(SectionHelp({"Other:", {}}), "Other:\n");
}

}  // namespace
}  // namespace zor06::sim
