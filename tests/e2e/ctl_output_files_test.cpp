// Every zor06ctl command that writes a file: an existing file is replaced only with --yes, and
// without it the command ends before it asks the controller anything.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

struct OutputCase {
    const char* what;
    std::vector<std::string> args;
    fs::path replaced;  // relative to the test's folder
    // What the --trace of a refusal must not hold: any request; for a name that takes the run's
    // name, any request but the identification's table reads (code 1), e.g. the archive's 14..16.
    const char* unsent = "->";
};

using CtlOutputFiles = CtlFixture;

TEST_F(CtlOutputFiles, AnExistingFileIsReplacedOnlyWithYesAndARefusalReadsNothing) {
    Start({"--now", "26-12-09 12:10:30", "--frozen-clock", "--moisture-meter"});
    const fs::path dir =
        fs::temp_directory_path() / ("zor06-ctl-out-" + std::to_string(::getpid()));
    const auto run = [&](const std::vector<std::string>& args) {
        return Ctl(With({"--tcp", endpoint, "--workdir", (dir / "work").string()}, args));
    };
    const auto in = [&](const char* name) { return (dir / name).string(); };
    fs::create_directories(dir / "work" / "REPORT");
    const std::vector<std::string> chromatograph{"chromatograph", "hour", "--run", "1",
                                                 "--last-day"};
    const std::vector<std::string> moisture{"moisture", "day", "--last-month"};
    const std::vector<std::string> passport{"passport", "day",      "--run",    "1",
                                            "--date",   "05.12.26", "--object", "ГРС"};
    // The viewing commands print from the files the cases before them wrote with --yes.
    const OutputCase cases[] = {
        {"messages --save",
         {"messages", "interventions", "--last", "3", "--save", in("m.aud")},
         "m.aud"},
        {"messages --pdf", {"messages", "diagnostics", "--all", "--pdf", in("m.pdf")}, "m.pdf"},
        {"show-messages --pdf", {"show-messages", in("m.aud"), "--pdf", in("s.pdf")}, "s.pdf"},
        {"chromatograph --save", With(chromatograph, {"--save", in("c")}), "c.hch"},
        {"chromatograph --xlsx", With(chromatograph, {"--xlsx", in("c")}), "c.xlsx"},
        {"chromatograph --pdf", With(chromatograph, {"--pdf", in("c.pdf")}), "c.pdf"},
        {"moisture --save", With(moisture, {"--save", in("w")}), "w.dwm"},
        {"moisture --xlsx", With(moisture, {"--xlsx", in("w.xlsx")}), "w.xlsx"},
        {"moisture --pdf", With(moisture, {"--pdf", in("w.pdf")}), "w.pdf"},
        {"show-data --xlsx", {"show-data", in("c.hch"), "--xlsx", in("d")}, "d.xlsx"},
        {"show-data --pdf", {"show-data", in("c.hch"), "--pdf", in("d.pdf")}, "d.pdf"},
        {"passport --out", With(passport, {"--out", in("p.xlsx")}), "p.xlsx"},
        {"passport in REPORT", passport, "work/REPORT/ГРС_Нитка 1_day_261205.xlsx", "->  код  1"},
        {"protocol --out", {"protocol", "--out", in("r")}, "r.prc"},
        {"protocol --pdf", {"protocol", "--pdf", in("r.pdf")}, "r.pdf"},
        {"print-protocol --pdf", {"print-protocol", in("r.prc"), "--pdf", in("pp.pdf")}, "pp.pdf"},
        {"save-config", {"save-config", in("cfg")}, "cfg.cnf"},
    };
    for (const OutputCase& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path target = dir / c.replaced;
        std::ofstream(target) << "keep";

        const auto refused = run(With({"--trace"}, c.args));
        EXPECT_EQ(refused.exitCode, 2) << refused.err;
        EXPECT_NE(refused.err.find("Файл " + target.string() +
                                   " уже есть.\nОн заменяется только с --yes\n"),
                  std::string::npos)
            << refused.err;
        EXPECT_EQ(refused.err.find(c.unsent), std::string::npos) << refused.err;
        EXPECT_EQ(fs::file_size(target), 4U);

        const auto replaced = run(With({"--yes"}, c.args));
        EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
        EXPECT_GT(fs::file_size(target), 100U);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zor06::test
