// zor06ctl messages against the simulator: the selections, the reading's messages and the lines
// it prints.
#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/e2e/ctl_fixture.h"
#include "text/codepage.h"

namespace zor06::test {
namespace {

struct MessagesCase {
    const char* what;
    std::vector<std::string> sim;
    std::vector<std::string> args;
    int exitCode;
    int lines;             // records printed
    std::string firstRow;  // date and time of the first, when lines > 0
    std::string err;       // a text that stderr must hold
};

class CtlMessagesTest : public CtlFixture, public ::testing::WithParamInterface<MessagesCase> {};

int CountLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST_P(CtlMessagesTest, ReadsTheArchiveAsAsked) {
    const MessagesCase& c = GetParam();
    Start(c.sim);
    std::vector<std::string> args{"--tcp", endpoint, "messages"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const ProcessResult r = Ctl(args);
    EXPECT_EQ(r.exitCode, c.exitCode) << c.what << "\n" << r.err;
    EXPECT_EQ(CountLines(r.out), c.lines) << c.what << "\n" << r.out;
    if (c.lines > 0) {
        EXPECT_EQ(r.out.substr(0, c.firstRow.size()), c.firstRow) << c.what;
    }
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.what << "\n" << r.err;
}

// Records lie 10 minutes apart from 01.03.24 00:00:00, indices from 1.
INSTANTIATE_TEST_SUITE_P(
    Selections, CtlMessagesTest,
    ::testing::Values(
        MessagesCase{"all interventions",
                     {"--interventions", "25"},
                     {"interventions", "--all"},
                     0,
                     25,
                     "01.03.24\t00:00:00",
                     ""},
        MessagesCase{"the last 10 diagnostics",
                     {},
                     {"diagnostics", "--last", "10"},
                     0,
                     10,
                     "02.03.24\t07:40:00",
                     ""},
        MessagesCase{"by index with the count lowered",
                     {"--interventions", "56", "--interventions-oldest", "5"},
                     {"interventions", "--index", "58", "10"},
                     0,
                     3,
                     "01.03.24\t08:50:00",
                     ""},
        MessagesCase{"short batches",
                     {"--short-batch", "3"},
                     {"interventions", "--last", "25"},
                     0,
                     25,
                     "02.03.24\t05:10:00",
                     ""},
        MessagesCase{"by period, four-digit year, no seconds",
                     {},
                     {"diagnostics", "--from", "01.03.2024 01:00", "--to", "01.03.24 02:00:00"},
                     0,
                     7,
                     "01.03.24\t01:00:00",
                     ""},
        MessagesCase{"by period with the error flag",
                     {"--archive-error"},
                     {"interventions", "--from", "01.03.24 00:00:00", "--to", "01.03.24 00:30:00"},
                     0,
                     4,
                     "01.03.24\t00:00:00",
                     "в архиве сообщений о вмешательствах"},
        MessagesCase{"an empty archive",
                     {"--diagnostics", "0"},
                     {"diagnostics", "--all"},
                     1,
                     0,
                     "",
                     "В архиве нет ни одной записи"},
        MessagesCase{"an empty period",
                     {},
                     {"diagnostics", "--from", "01.01.24 00:00:00", "--to", "02.01.24 00:00:00"},
                     1,
                     0,
                     "",
                     "Нет данных за указанный период"},
        MessagesCase{"a start past the newest",
                     {},
                     {"interventions", "--index", "201", "1"},
                     1,
                     0,
                     "",
                     "Нелогичное значение индекса записи начала чтения"},
        MessagesCase{"an end before the start",
                     {},
                     {"diagnostics", "--from", "02.03.24 00:00", "--to", "01.03.24 00:00"},
                     1,
                     0,
                     "",
                     "больше даты и времени начала опроса"},
        MessagesCase{"a date that does not exist",
                     {},
                     {"diagnostics", "--from", "30.02.24 00:00", "--to", "01.03.24 00:00"},
                     2,
                     0,
                     "",
                     "DD.MM.YY"},
        MessagesCase{"no selection", {}, {"interventions"}, 2, 0, "", "--last N"}));

TEST_F(CtlMessagesTest, ALostControllerAfterSomeRecordsKeepsThem) {
    // Every eighth request goes unanswered: the identification's five table reads and the
    // boundary table pass, the second batch is lost.
    Start({"--drop-every", "8"});
    const ProcessResult r = Ctl({"--tcp", endpoint, "--first-byte-timeout", "300", "messages",
                                 "interventions", "--last", "50"});
    EXPECT_EQ(r.exitCode, 3) << r.err;  // cut short
    EXPECT_EQ(CountLines(r.out), 10);
    EXPECT_NE(r.err.find("прочитаны не полностью"), std::string::npos) << r.err;
}

TEST_F(CtlMessagesTest, SavedReadingReopensWithTheSameRowsAndPrints) {
    Start({});
    const std::string dir = ::testing::TempDir() + "/reading-" + std::to_string(::getpid());
    std::filesystem::create_directories(dir);
    const std::string file = dir + "/reading.aud";
    const std::string pdf = dir + "/reading.pdf";
    // A name without extension gets the archive's.
    const ProcessResult read = Ctl({"--tcp", endpoint, "messages", "interventions", "--last", "12",
                                    "--save", dir + "/reading", "--pdf", pdf});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(CountLines(read.out), 12);
    const ProcessResult shown = Ctl({"show-messages", file});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    // The same rows; only texts longer than a saved field (huge floats) come back cut to it.
    EXPECT_EQ(CountLines(shown.out), 12);
    EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')), read.out.substr(0, read.out.find('\n')));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000U);
}

// The simulator's names in Windows-1251, then in code page 866 as table 0 says.
class CtlMessagesCodePage : public CtlFixture,
                            public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(CtlMessagesCodePage, NamesReadAsTheControllerKeepsThemAndTheListsNameItsOwner) {
    Start(GetParam());
    const std::string dir = ::testing::TempDir() + "/code-page-" + std::to_string(::getpid());
    std::filesystem::create_directories(dir + "/INI");
    std::string organisation = text::Utf8ToCp1251("ООО Газ-Тест");
    organisation.resize(40, '\0');
    std::ofstream(dir + "/INI/title.ini", std::ios::binary) << organisation;
    // The 15th record changes the controller's name from "АДМ " to "ЗОР1".
    const ProcessResult read =
        Ctl({"--tcp", endpoint, "--workdir", dir, "messages", "interventions", "--index", "15", "1",
             "--save", dir + "/names.aud", "--pdf", dir + "/read.pdf"});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(read.out.rfind("01.03.24\t02:20:00\tНаименование контроллера\tАДМ ...\tЗОР1...\t", 0),
              0U)
        << read.out;
    const ProcessResult shown =
        Ctl({"--workdir", dir, "show-messages", dir + "/names.aud", "--pdf", dir + "/shown.pdf"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const char* pdf : {"/read.pdf", "/shown.pdf"}) {
        const std::string text = RunProcess("pdftotext", {dir + pdf, "-"}).out;
        EXPECT_NE(text.find("ООО Газ-Тест"), std::string::npos) << pdf << "\n" << text;
        EXPECT_NE(text.find("Контроллер \"ЗОР_06 ГРС Лесная\""), std::string::npos) << pdf;
    }
    std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(CodePages, CtlMessagesCodePage,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"--cp866"}),
                         [](const auto& instance) {
                             return instance.index == 0 ? "Windows1251" : "Cp866";
                         });

}  // namespace
}  // namespace zor06::test
