// zor06ctl's --iso-check against the simulator: the check columns of hourly chromatograph data
// agree with the rows' own values, with gas-properties for the rows' compositions and with what
// calc_formula=2 shows; the data it does not take is wrong usage.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

using Cells = std::vector<std::string>;

constexpr std::size_t kLeft = 4;
constexpr std::size_t kValues = 20;
constexpr std::size_t kFirstCheck = kLeft + kValues;
constexpr std::size_t kCheckColumns = 9;
// The value cells of the superior calorific value, the density and the relative density.
constexpr std::size_t kCheckedValueCells[] = {kLeft + 12, kLeft + 16, kLeft + 17};
constexpr const char* kPropertyKeys[] = {"Hs", "D", "d"};
// gas-properties' names of the first eleven value columns, which show parameters 0..10.
constexpr const char* kComponentNames[] = {"c6plus",      "propane",   "i-butane",  "n-butane",
                                           "neo-pentane", "i-pentane", "n-pentane", "nitrogen",
                                           "methane",     "co2",       "ethane"};

// The JSON string arrays the data commands print, from `at` on: their cells hold no escapes.
Cells StringArray(std::string_view& at) {
    Cells cells;
    at.remove_prefix(at.find('[') + 1);
    while (!at.empty() && at.front() != ']') {
        const std::size_t open = at.find('"');
        const std::size_t close = at.find('"', open + 1);
        cells.emplace_back(at.substr(open + 1, close - open - 1));
        at.remove_prefix(close + 1);
        at.remove_prefix(at.find_first_not_of(", "));
    }
    at.remove_prefix(1);
    return cells;
}

struct JsonView {
    Cells columns;
    std::vector<Cells> rows;
    std::string isoCheck;  // the object's text
};

JsonView ParseView(const std::string& json) {
    JsonView view;
    std::string_view at = json;
    at.remove_prefix(at.find("\"columns\": "));
    view.columns = StringArray(at);
    at.remove_prefix(at.find("\"rows\": [") + 9);
    while (at.front() == '[') {
        view.rows.push_back(StringArray(at));
        at.remove_prefix(at.find_first_not_of(", "));
    }
    const std::size_t iso = json.find("\"iso_check\": ");
    if (iso != std::string::npos) {
        view.isoCheck = json.substr(iso, json.find('}', iso) - iso + 1);
    }
    return view;
}

class CtlIsoCheck : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-iso-" + std::to_string(::getpid()));
        fs::create_directories(dir / "work" / "INI");
        Start({"--now", "26-12-09 12:10:30", "--frozen-clock", "--moisture-meter"});
    }
    void TearDown() override { fs::remove_all(dir); }
    void WriteReportConfig(const std::string& lines) const {
        std::ofstream(dir / "work" / "INI" / "repconf_par.ini", std::ios::binary)
            << "[REP_CONF]\r\n"
            << lines;
    }
    ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--tcp", endpoint, "--workdir", (dir / "work").string()});
        return Ctl(args);
    }
    ProcessResult Hours(std::vector<std::string> extra) const {
        std::vector<std::string> args{"chromatograph", "hour",           "--run", "1",
                                      "--from",        "09.12.26 06:00", "--to",  "09.12.26 10:00"};
        args.insert(args.end(), extra.begin(), extra.end());
        return Run(args);
    }
    fs::path dir;
};

// What gas-properties prints for the composition of a row's cells.
std::vector<double> GasProperties(const Cells& row) {
    std::string composition;
    for (std::size_t i = 0; i < std::size(kComponentNames); ++i) {
        composition += (i == 0 ? "" : ",") + std::string(kComponentNames[i]) + "=" + row[kLeft + i];
    }
    const auto r = Ctl({"gas-properties", "--composition", composition});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    std::vector<double> values;
    for (const char* key : kPropertyKeys) {
        const std::size_t at = r.out.find("\n" + std::string(key) + "\t");
        EXPECT_NE(at, std::string::npos) << key << "\n" << r.out;
        values.push_back(
            at == std::string::npos ? NAN : std::stod(r.out.substr(at + 2 + std::strlen(key))));
    }
    return values;
}

TEST_F(CtlIsoCheck, HourlyCheckColumnsHoldTheValueItsCalculationAndTheirDifference) {
    WriteReportConfig("iso_check_limit=0.01\r\n");
    const auto r = Hours({"--iso-check", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const JsonView view = ParseView(r.out);
    ASSERT_EQ(view.columns.size(), kFirstCheck + kCheckColumns) << r.out;
    const Cells groups{"Тсг высш.", "Плотность", "Отн. плотн."};
    const Cells units{"МДж/м3", "кг/м3", ""};
    for (std::size_t c = 0; c < kCheckColumns; ++c) {
        const std::string& heading = view.columns[kFirstCheck + c];
        EXPECT_TRUE(heading.starts_with(groups[c / 3])) << heading;
        const std::string unit = c % 3 == 2 ? "%" : units[c / 3];
        EXPECT_TRUE(heading.ends_with(unit)) << heading;
    }
    ASSERT_EQ(view.rows.size(), 5U) << r.out;
    std::size_t markedRows = 0;
    for (std::size_t row = 0; row < view.rows.size(); ++row) {
        const Cells& cells = view.rows[row];
        ASSERT_EQ(cells.size(), kFirstCheck + kCheckColumns) << row;
        const std::vector<double> expected = GasProperties(cells);
        bool marked = false;
        for (std::size_t g = 0; g < 3; ++g) {
            const std::size_t first = kFirstCheck + 3 * g;
            EXPECT_EQ(cells[first], cells[kCheckedValueCells[g]]) << row << " " << g;
            const double chromatograph = std::stod(cells[first]);
            const double computed = std::stod(cells[first + 1]);
            // The cells' four decimals of the composition and of the computed value.
            EXPECT_NEAR(computed, expected[g], 2e-3) << row << " " << g;
            const double difference = std::stod(cells[first + 2]);
            // Both values are rounded to the cells' four decimals, the difference to three.
            const double rounding = 1e-4 / computed * 100 + 5e-4;
            EXPECT_NEAR(difference, (chromatograph - computed) / computed * 100, rounding)
                << row << " " << g;
            marked = marked || std::abs(difference) > 0.01;
        }
        markedRows += marked ? 1 : 0;
    }
    EXPECT_TRUE(view.isoCheck.starts_with(
        "\"iso_check\": {\"limit\": 0.01, \"marked_rows\": " + std::to_string(markedRows) + ","))
        << view.isoCheck;

    // The lines end with the count the object gives.
    const auto lines = Hours({"--iso-check"});
    ASSERT_EQ(lines.exitCode, 0) << lines.err;
    EXPECT_TRUE(lines.out.ends_with("\nОтклонение от ISO 6976 более 0.01 %: записей " +
                                    std::to_string(markedRows) + "\n"))
        << lines.out;
}

TEST_F(CtlIsoCheck, CalcFormulaTwoShowsTheValuesTheCheckComputes) {
    const auto checked = Hours({"--iso-check", "--json"});
    ASSERT_EQ(checked.exitCode, 0) << checked.err;
    const JsonView check = ParseView(checked.out);

    WriteReportConfig("calc_formula=2\r\n");
    const auto iso = Hours({"--json"});
    ASSERT_EQ(iso.exitCode, 0) << iso.err;
    EXPECT_NE(iso.out.find("расчет по ISO 6976:2016, t сгор. 25 °C, t изм. 20 °C"),
              std::string::npos)
        << iso.out;
    const JsonView computed = ParseView(iso.out);
    ASSERT_EQ(computed.rows.size(), check.rows.size());
    ASSERT_FALSE(computed.rows.empty());
    for (std::size_t row = 0; row < computed.rows.size(); ++row) {
        ASSERT_EQ(computed.rows[row].size(), kFirstCheck) << row;
        for (std::size_t g = 0; g < 3; ++g) {
            EXPECT_EQ(computed.rows[row][kCheckedValueCells[g]],
                      check.rows[row].at(kFirstCheck + 3 * g + 1))
                << row << " " << g;
        }
    }

    // The values are computed already: the check adds nothing and says so.
    const auto again = Hours({"--iso-check", "--json"});
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, iso.out);
    EXPECT_NE(again.err.find("--iso-check: calc_formula=2"), std::string::npos) << again.err;
}

TEST_F(CtlIsoCheck, OtherDataThanHourlyOrDailyChromatographDataIsWrongUsage) {
    const std::vector<std::vector<std::string>> cases{
        {"chromatograph", "3min", "--run", "1", "--last-day", "--iso-check"},
        {"moisture", "hour", "--last-day", "--iso-check"},
        {"show-data", (dir / "run.dwm").string(), "--iso-check"},
        {"show-data", (dir / "run.mch").string(), "--iso-check"},
    };
    for (const auto& args : cases) {
        const auto r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << args[0] << " " << args[1] << "\n" << r.err;
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_NE(r.err.find("--iso-check"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace zor06::test
