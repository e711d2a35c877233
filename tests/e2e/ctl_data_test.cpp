// zor06ctl's data commands against the simulator with its clock standing at 09.12.26 12:10:30:
// the bounds, readings of each kind, the momentary moisture values and saved data files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

using Cells = std::vector<std::string>;

std::vector<Cells> Lines(const std::string& out) {
    std::vector<Cells> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        Cells cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) {
            cells.push_back(cell);
        }
        if (!line.empty() && line.back() == '\t') {
            cells.emplace_back();
        }
        lines.push_back(cells);
    }
    return lines;
}

std::string FileStart(const fs::path& path, std::size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::string text(bytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(bytes));
    return text.substr(0, static_cast<std::size_t>(in.gcount()));
}

class CtlData : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-data-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void StartAt(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--now", "26-12-09 12:10:30", "--frozen-clock",
                                      "--moisture-meter"};
        args.insert(args.end(), extra.begin(), extra.end());
        Start(args);
    }
    ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--tcp", endpoint, "--workdir", (dir / "work").string()});
        return Ctl(args);
    }
    fs::path dir;
};

TEST_F(CtlData, BoundsAreThoseThePeriodDialogOffers) {
    StartAt();
    struct Case {
        const char* archive;
        const char* out;
    };
    for (const Case& c : {Case{"3min", "oldest\t09.10.26 12:12\nnewest\t09.12.26 12:09\n"},
                          Case{"hour", "oldest\t09.12.25 12:00\nnewest\t09.12.26 11:00\n"},
                          Case{"day", "oldest\t09.12.22 00:00\nnewest\t08.12.26 00:00\n"}}) {
        const auto r = Run({"bounds", c.archive});
        ASSERT_EQ(r.exitCode, 0) << c.archive << "\n" << r.err;
        EXPECT_EQ(r.out, c.out) << c.archive;
    }
}

TEST_F(CtlData, HourlyReadingPrintsRowsAndTheirAverages) {
    StartAt();
    const auto r = Run({"chromatograph", "hour", "--run", "1", "--from", "09.12.26 08:00", "--to",
                        "09.12.2026 10:00:00"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 4u) << r.out;
    const std::vector<const char*> starts{"08:00:00", "09:00:00", "10:00:00"};
    for (std::size_t i = 0; i < starts.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 24u) << r.out;
        EXPECT_EQ(Cells(lines[i].begin(), lines[i].begin() + 2), (Cells{"09.12.26", starts[i]}));
        EXPECT_EQ(lines[i][3], "Норма");
    }
    const Cells& averages = lines.back();
    ASSERT_EQ(averages.size(), 21u);
    EXPECT_EQ(averages[0], "Средние значения");
    for (std::size_t c = 0; c < 20; ++c) {
        double sum = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            sum += std::stod(lines[i][4 + c]);
        }
        // Four decimals from the unrounded values: within one rounding step of the rows' mean.
        EXPECT_NEAR(std::stod(averages[1 + c]), sum / 3, 1.01e-4) << "column " << c;
        EXPECT_EQ(averages[1 + c].size() - averages[1 + c].find('.'), 5u) << averages[1 + c];
    }
}

TEST_F(CtlData, ThreeMinuteReadingKeepsToTheThreeMinuteSteps) {
    StartAt();
    const auto r = Run({"chromatograph", "3min", "--run", "2", "--from", "09.12.26 10:07", "--to",
                        "09.12.26 10:20"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 6u) << r.out;
    EXPECT_EQ(Cells(lines[0].begin(), lines[0].begin() + 4),
              (Cells{"09.12.26", "10:06:00", "Норма", "Норма"}));
    EXPECT_EQ(lines[4][1], "10:18:00");
    EXPECT_EQ(lines[5][0], "Средние значения");
}

TEST_F(CtlData, RecordOutsideItsSlotIsKeptAndEndsTheReadingUnlessAnsweredYes) {
    struct Case {
        bool yes;
        std::vector<std::string> times;
    };
    for (const Case& c : {Case{false, {"08:00:00", "08:03:00", "08:12:00"}},
                          Case{true, {"08:00:00", "08:03:00", "08:12:00", "08:15:00"}}}) {
        StartAt({"--missing-data", "min/moisture/26-12-09 08:06", "--missing-data",
                 "min/moisture/26-12-09 08:09"});
        std::vector<std::string> args{"moisture",       "3min", "--from",
                                      "09.12.26 08:00", "--to", "09.12.26 08:15"};
        if (c.yes) {
            args.push_back("--yes");
        }
        const auto r = Run(args);
        ASSERT_EQ(r.exitCode, c.yes ? 0 : 3) << r.err;  // "Нет" cuts the reading short
        std::vector<std::string> times;
        for (const Cells& cells : Lines(r.out)) {
            times.push_back(cells.at(1));
        }
        EXPECT_EQ(times, c.times) << r.out;
        EXPECT_NE(r.err.find("Продолжить чтение?\n" + std::string(c.yes ? "Да" : "Нет")),
                  std::string::npos)
            << r.err;
    }
}

TEST_F(CtlData, PresetPeriodsEndWhereTheArchiveDoes) {
    StartAt();
    struct Case {
        const char* archive;
        const char* preset;
        std::size_t rows;
        Cells first;  // date and start of the first and the last row
        Cells last;
    };
    for (const Case& c :
         {Case{"hour", "--last-day", 24, {"08.12.26", "12:00:00"}, {"09.12.26", "11:00:00"}},
          Case{"day", "--last-day", 1, {"08.12.26"}, {"08.12.26"}},
          Case{"day", "--last-month", 31, {"08.11.26"}, {"08.12.26"}}}) {
        const auto r = Run({"chromatograph", c.archive, "--run", "1", c.preset});
        ASSERT_EQ(r.exitCode, 0) << c.archive << c.preset << "\n" << r.err;
        const auto lines = Lines(r.out);
        ASSERT_EQ(lines.size(), c.rows + 1) << r.out;
        const auto start = [&c](const Cells& row) {
            return Cells(row.begin(), row.begin() + static_cast<long>(c.first.size()));
        };
        EXPECT_EQ(start(lines.front()), c.first) << c.archive << c.preset;
        EXPECT_EQ(start(lines[c.rows - 1]), c.last) << c.archive << c.preset;
    }
}

TEST_F(CtlData, DailyReadingTakesEachGasDayOnceWhateverDateTheControllerFilesItUnder) {
    struct Case {
        const char* shift;
        const char* firstDay;
    };
    for (const Case& c : {Case{"-1", "19.11.26"}, Case{"0", "20.11.26"}, Case{"1", "21.11.26"}}) {
        StartAt({"--day-date-shift", c.shift});
        for (const std::vector<std::string>& source :
             {std::vector<std::string>{"chromatograph", "day", "--run", "1"},
              std::vector<std::string>{"moisture", "day"}}) {
            std::vector<std::string> args = source;
            args.insert(args.end(), {"--from", "20.11.26 00:00", "--to", "01.12.26 00:00"});
            const auto r = Run(args);
            const std::string what = source[0] + " shifted " + c.shift;
            ASSERT_EQ(r.exitCode, 0) << what << "\n" << r.err;
            EXPECT_EQ(r.err.find("повторно"), std::string::npos) << what << "\n" << r.err;
            EXPECT_EQ(r.err.find("не соответствуют"), std::string::npos) << what << "\n" << r.err;
            std::vector<std::string> days;
            for (const Cells& row : Lines(r.out)) {
                if (row.at(0) != "Средние значения") {
                    days.push_back(row.at(0));
                }
            }
            ASSERT_EQ(days.size(), 12u) << what << "\n" << r.out;
            EXPECT_EQ(days.front(), c.firstDay) << what;
            EXPECT_EQ(std::set<std::string>(days.begin(), days.end()).size(), days.size())
                << what << "\n"
                << r.out;
        }
    }
}

TEST_F(CtlData, MoistureHourlyRowsHaveFourValuesAndNoAverages) {
    StartAt({"--data-status", "hour/moisture/26-12-09 09:00=0x04"});
    const auto r = Run({"moisture", "hour", "--from", "09.12.26 08:00", "--to", "09.12.26 09:00"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    EXPECT_EQ(lines[0].size(), 8u);
    EXPECT_EQ(Cells(lines[0].begin(), lines[0].begin() + 4),
              (Cells{"09.12.26", "08:00:00", "09:00:00", "Норма"}));
    EXPECT_EQ(lines[1], (Cells{"09.12.26", "09:00:00", "10:00:00", "0x04", "0", "0", "0", "0"}));
}

TEST_F(CtlData, MoistureMomentaryValuesFollowTheLinkFlag) {
    StartAt();
    const auto r = Run({"moisture", "momentary"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 6u) << r.out;
    EXPECT_EQ(lines[0], (Cells{"Дата и время, к которым относятся данные", "09.12.26 12:09:00"}));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 2u);
        EXPECT_EQ(lines[i][0].rfind("PV2" + std::to_string(i), 0), 0u) << lines[i][0];
        EXPECT_NO_THROW(std::stod(lines[i][1]));
    }

    StartAt({"--no-moisture-link"});
    const auto off = Run({"moisture", "momentary"});
    EXPECT_EQ(off.exitCode, 1);
    EXPECT_EQ(off.out, "");
    EXPECT_NE(off.err.find("Нет связи с влагомером\n(см. текущее состояние контроллера)"),
              std::string::npos)
        << off.err;
}

TEST_F(CtlData, SavedFileShowsTheSameRowsAndOnlyAsItsOwnKind) {
    StartAt();
    const auto read = Run({"chromatograph", "hour", "--run", "2", "--from", "09.12.26 06:00",
                           "--to", "09.12.26 07:00", "--save", (dir / "run2").string(), "--xlsx",
                           (dir / "run2").string(), "--pdf", (dir / "run2.pdf").string()});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(FileStart(dir / "run2.xlsx", 2), "PK");
    EXPECT_EQ(FileStart(dir / "run2.pdf", 4), "%PDF");

    const auto shown = Run({"show-data", (dir / "run2.hch").string()});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out, read.out);

    fs::copy_file(dir / "run2.hch", dir / "run2.hwm");
    const auto refused = Run({"show-data", (dir / "run2.hwm").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("Файл run2.hwm не является файлом, содержащим\nчасовые данные "
                               "влагомера из архива контроллера"),
              std::string::npos)
        << refused.err;
}

TEST_F(CtlData, JsonHoldsTheRowsOfTheText) {
    StartAt();
    const std::vector<std::string> args{"moisture",       "3min", "--from",
                                        "09.12.26 08:00", "--to", "09.12.26 08:05"};
    const auto text = Run(args);
    auto jsonArgs = args;
    jsonArgs.push_back("--json");
    const auto json = Run(jsonArgs);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out.rfind("{\"caption\": \"Мгновенные данные влагомера за период", 0), 0u)
        << json.out;
    EXPECT_EQ(json.out.substr(json.out.size() - 20), "]], \"averages\": []}\n");
    std::string rows;
    for (const Cells& cells : Lines(text.out)) {
        std::string row;
        for (const std::string& cell : cells) {
            row += (row.empty() ? "[\"" : ", \"") + cell + "\"";
        }
        rows += (rows.empty() ? "" : ", ") + row + "]";
    }
    EXPECT_NE(json.out.find("\"rows\": [" + rows + "]"), std::string::npos) << json.out;
}

TEST_F(CtlData, RefusedReadingsSayWhyAndFail) {
    struct Case {
        const char* what;
        std::vector<std::string> sim;
        std::vector<std::string> args;
        int exitCode;
        const char* err;
    };
    const std::vector<Case> cases{
        {"empty archive",
         {"--empty-data-archive", "hour"},
         {"chromatograph", "hour", "--run", "1", "--last-day"},
         1,
         "В архиве нет данных"},
        {"end before start",
         {},
         {"moisture", "day", "--from", "05.12.26 00:00", "--to", "04.12.26 00:00"},
         1,
         "Дата и время конца опроса должны быть\nбольше даты и времени начала опроса"},
        {"outside the archive",
         {},
         {"chromatograph", "day", "--run", "2", "--from", "01.01.20 00:00", "--to",
          "01.02.20 00:00"},
         1,
         "В архиве нет данных за указанный период"},
        {"no run", {}, {"chromatograph", "hour", "--last-day"}, 2, "--run 1|2"},
        {"two periods", {}, {"moisture", "hour", "--last-day", "--last-month"}, 2, "one period"},
    };
    for (const Case& c : cases) {
        StartAt(c.sim);
        const auto r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.what << "\n" << r.err;
        EXPECT_EQ(r.out, "") << c.what;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.what << "\n" << r.err;
    }
}

}  // namespace
}  // namespace zor06::test
