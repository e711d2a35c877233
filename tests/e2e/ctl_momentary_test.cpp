// zor06ctl's momentary chromatograph values and the additional parameters against the simulator
// with its clock standing at 09.12.26 12:10:30: each run's own values and zones, and the
// chromatograph link that stops the reading.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "gasdata/display_conversion.h"
#include "tests/e2e/ctl_fixture.h"
#include "zor06-sim/gas_model.h"

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

constexpr std::uint64_t kSeed = 5;

// The methane value of a run's latest analysis, at 12:09:00, as the window shows it.
std::string MethaneText(int run) {
    const sim::WallTime at = sim::ToWallTime({26, 12, 9, 12, 9, 0});
    return gasdata::FixedText(sim::GasAt(at, run, kSeed).v[gasdata::kMethane], 4);
}

class CtlMomentary : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-momentary-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void StartAt(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--now", "26-12-09 12:10:30", "--frozen-clock", "--seed",
                                      std::to_string(kSeed)};
        args.insert(args.end(), extra.begin(), extra.end());
        Start(args);
    }
    ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--tcp", endpoint, "--workdir", (dir / "work").string()});
        return Ctl(args);
    }
    fs::path dir;
};

TEST_F(CtlMomentary, EachRunShowsItsOwnValuesAndZones) {
    StartAt();
    struct Case {
        const char* run;
        std::size_t warned;  // the parameter the simulator puts in a warning zone
        const char* zone;
    };
    for (const Case& c : {Case{"1", 9, "Верхняя предупредительная зона"},
                          Case{"2", 7, "Нижняя предупредительная зона"}}) {
        const auto r = Run({"momentary", "--run", c.run});
        ASSERT_EQ(r.exitCode, 0) << c.run << "\n" << r.err;
        const auto lines = Lines(r.out);
        ASSERT_EQ(lines.size(), 21u) << r.out;
        for (std::size_t i = 0; i < 20; ++i) {
            ASSERT_EQ(lines[i].size(), 3u) << r.out;
            const bool zoned = i != 15 && i != 16;
            EXPECT_EQ(lines[i][2], !zoned ? "" : i == c.warned ? c.zone : "Норма") << i;
        }
        EXPECT_EQ(lines[8],
                  (Cells{"Молярная доля метана (CH4), %", MethaneText(c.run[0] - '1'), "Норма"}));
        EXPECT_EQ(lines[11][0], "Теплота сгорания высшая, МДж/м3");
        EXPECT_EQ(lines[20], (Cells{"Время последнего опроса хроматографа", "09.12.26 12:09:00"}));
    }
    EXPECT_NE(MethaneText(0), MethaneText(1));
}

TEST_F(CtlMomentary, NoChromatographLinkStopsWithTheMessage) {
    StartAt({"--no-chromatograph-link"});
    const auto r = Run({"momentary", "--run", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Нет связи с хроматографом\n(см. текущее состояние контроллера)"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Run({"momentary"}).exitCode, 2);
}

TEST_F(CtlMomentary, ExtraParamsPrintTheSerialNumberAndTheChecksum) {
    StartAt();
    const auto r = Run({"extra-params"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "Серийный номер хроматографа\t6123\nКонтрольная сумма ПО контроллера\t1513889582\n");
}

}  // namespace
}  // namespace zor06::test
