// zor06ctl --csv against the simulator: data and message rows read back as CSV under their
// headings, and --csv with --json refused.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "tests/e2e/ctl_fixture.h"
#include "tests/support/csv_reader.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

using Fields = std::vector<std::string>;

// The tab-separated lines the same command prints without --csv.
std::vector<Fields> TabLines(const std::string& out) {
    std::vector<Fields> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        Fields cells;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            cells.push_back(line.substr(start, tab - start));
        }
        cells.push_back(line.substr(start));
        lines.push_back(cells);
    }
    return lines;
}

class CtlCsv : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-csv-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--tcp", endpoint, "--workdir", (dir / "work").string()});
        return Ctl(args);
    }
    fs::path dir;
};

TEST_F(CtlCsv, ChromatographRowsAreTheTextRowsUnderTheirHeadings) {
    Start({"--now", "26-12-09 12:10:30", "--frozen-clock"});
    std::vector<std::string> args{"chromatograph", "hour",           "--run", "1",
                                  "--from",        "09.12.26 08:00", "--to",  "09.12.26 10:00"};
    const auto text = Run(args);
    args.push_back("--csv");
    const auto csv = Run(args);
    ASSERT_EQ(text.exitCode, 0) << text.err;
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    const auto records = ParseCsv(csv.out);
    ASSERT_TRUE(records.has_value()) << csv.out;
    ASSERT_EQ(records->size(), 4u) << csv.out;  // the headings and three hours, no averages
    const Fields& headings = records->front();
    ASSERT_EQ(headings.size(), 24u);
    EXPECT_EQ(Fields(headings.begin(), headings.begin() + 4),
              (Fields{"Дата", "Время Начало", "Время Конец", "Статус контроллера"}));
    EXPECT_EQ(headings[12], "МД метана, %");
    const auto lines = TabLines(text.out);
    ASSERT_EQ(lines.size(), 4u) << text.out;
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(records->at(r + 1), lines[r]) << r;
    }
}

TEST_F(CtlCsv, MessageRowsHaveTheSevenColumnsOfTheView) {
    Start({"--interventions", "25"});
    const auto r = Run({"messages", "interventions", "--all", "--csv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto records = ParseCsv(r.out);
    ASSERT_TRUE(records.has_value()) << r.out;
    ASSERT_EQ(records->size(), 26u);
    for (const Fields& record : *records) {
        EXPECT_EQ(record.size(), 7u);
    }
    EXPECT_EQ(records->front()[2], "Наименование измененного параметра");
    EXPECT_EQ(Fields(records->at(1).begin(), records->at(1).begin() + 2),
              (Fields{"01.03.24", "00:00:00"}));
}

TEST_F(CtlCsv, CsvAndJsonTogetherAreRefused) {
    const auto r = Ctl({"show-data", (dir / "run1.hch").string(), "--csv", "--json"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("--csv and --json exclude each other"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zor06::test
