// zor06ctl's passports against the simulator with its clock standing at 09.12.26 12:10:30: the
// gas day's rows with a damaged hour, a damaged daily record, a month with a missing day, the
// date check, the object list (also under runs side by side), and the failures that leave no
// workbook.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "settings/ini_file.h"
#include "settings/list_files.h"
#include "tests/e2e/ctl_fixture.h"
#include "tests/support/xlsx_cells.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

class CtlPassport : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-passport-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    static std::vector<std::string> Clock() {
        return {"--now", "26-12-09 12:10:30", "--frozen-clock", "--moisture-meter"};
    }
    void StartAt(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = Clock();
        args.insert(args.end(), extra.begin(), extra.end());
        Start(args);
    }
    ProcessResult Run(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--tcp", endpoint, "--workdir", work().string(), "passport"});
        return Ctl(args);
    }
    fs::path work() const { return dir / "work"; }
    fs::path dir;
};

TEST_F(CtlPassport, GasDayFillsItsHoursAndTheDailyRecord) {
    StartAt({"--bad-data-crc", "hour/run1/26-12-05 11:00"});
    const auto r = Run({"day", "--run", "1", "--date", "05.12.26", "--object", "ГРС 1/2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const fs::path path = work() / "REPORT" / "ГРС 1_2_Нитка 1_day_261205.xlsx";
    EXPECT_EQ(r.out, path.string() + "\n");
    EXPECT_NE(r.err.find("Данные сохранены в файле ГРС 1_2_Нитка 1_day_261205.xlsx"),
              std::string::npos);
    auto cells = SheetCells(path);
    // The simulator's gas day begins at its contract hour, 9.
    EXPECT_EQ(cells["V4"].text, "За період з 05.12.26 09:00  по  06.12.26 08:00");
    EXPECT_EQ(cells["A10"].text, "05.12.26  09:00");
    EXPECT_EQ(cells["A33"].text, "06.12.26  08:00");
    EXPECT_TRUE(cells["B10"].number.has_value());
    EXPECT_EQ(cells["B12"].text, "--");  // 11:00, its checksum damaged
    EXPECT_FALSE(cells["AB12"].number.has_value());
    EXPECT_TRUE(cells["B34"].number.has_value());
    EXPECT_TRUE(cells["X34"].number.has_value());
    EXPECT_EQ(ZipEntry(path, "xl/styles.xml"),
              ZipEntry(work() / "day_report_title_v5.xlsx", "xl/styles.xml"));
    std::ifstream objects(work() / "INI" / "objects.ini");
    std::string ini((std::istreambuf_iterator<char>(objects)), {});
    EXPECT_NE(ini.find("obj_num=1"), std::string::npos) << ini;
}

TEST_F(CtlPassport, RunsSideBySideOnOneWorkDirectoryKeepEveryObjectTheyAdd) {
    // Each run reads a controller of its own, as a collection over many stations would.
    constexpr int kRuns = 8;
    std::vector<std::unique_ptr<SimProcess>> sims;
    for (int i = 0; i < kRuns; ++i) {
        std::vector<std::string> args = Clock();
        args.insert(args.begin(), {"--tcp", "127.0.0.1:0"});
        sims.push_back(std::make_unique<SimProcess>(ZOR06_SIM_PATH, args));
        ASSERT_TRUE(sims.back()->Started()) << sims.back()->Error();
    }
    std::vector<ProcessResult> results(kRuns);
    std::vector<std::thread> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.emplace_back([&, i] {
            results[i] = Ctl({"--tcp", "127.0.0.1:" + std::to_string(sims[i]->TcpPort()),
                              "--workdir", work().string(), "passport", "day", "--run", "1",
                              "--date", "05.12.26", "--object", "ГРС " + std::to_string(i + 1)});
        });
    }
    for (std::thread& run : runs) {
        run.join();
    }
    for (const ProcessResult& r : results) {
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    std::string reason;
    const auto ini = settings::LoadIniFile(work() / "INI" / "objects.ini", &reason);
    ASSERT_TRUE(ini) << reason;
    std::vector<std::string> names;
    for (const settings::ObjectEntry& object : settings::ReadObjectList(*ini).entries) {
        names.push_back(object.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ГРС 1", "ГРС 2", "ГРС 3", "ГРС 4", "ГРС 5", "ГРС 6",
                                               "ГРС 7", "ГРС 8"}));
}

TEST_F(CtlPassport, DisagreeingArchivesEndTheCommandWithoutAWorkbook) {
    struct Case {
        std::vector<std::string> sim;
        const char* message;
    };
    const Case cases[] = {
        {{"--bad-data-crc", "day/run1/26-12-05"}, "Суточные данные хроматографа недостоверны"},
        {{"--bad-data-crc", "day/moisture/26-12-05"}, "Суточные данные влагомера недостоверны"},
        {{"--missing-data", "hour/moisture/26-12-05 15:00"}, "Несоответствие дат в записях"},
        {{"--missing-data", "hour/moisture/26-12-06 08:00"},
         "Несоответствие количества прочитанных данных"},
    };
    for (const Case& c : cases) {
        StartAt(c.sim);
        const auto r = Run({"day", "--run", "1", "--date", "05.12.26", "--object", "ГРС"});
        EXPECT_EQ(r.exitCode, 1) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_TRUE(fs::is_empty(work() / "REPORT")) << c.message;
        sim.reset();
    }
}

TEST_F(CtlPassport, MonthKeepsEachDayInItsRowAndAveragesInRowFortyOne) {
    StartAt({"--missing-data", "day/run2/26-12-03", "--missing-data", "day/moisture/26-12-03"});
    const fs::path out = dir / "month.xlsx";
    const auto r =
        Run({"month", "--run", "2", "--month", "12.26", "--object", "ГРС", "--out", out.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, out.string() + "\n");
    auto cells = SheetCells(out);
    EXPECT_EQ(cells["V4"].text, "За період з 01.12.26 по  08.12.26");
    EXPECT_TRUE(cells["B11"].number.has_value());
    EXPECT_FALSE(cells["B12"].number.has_value());  // the 3rd is missing
    EXPECT_TRUE(cells["B13"].number.has_value());
    EXPECT_TRUE(cells["B17"].number.has_value());
    EXPECT_FALSE(cells["B18"].number.has_value());
    ASSERT_TRUE(cells["P41"].number.has_value());
    EXPECT_GT(*cells["P41"].number, 0);
}

TEST_F(CtlPassport, DateOutsideTheArchiveIsRefused) {
    StartAt();
    const auto r = Run({"day", "--run", "1", "--date", "09.12.26", "--object", "ГРС"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("В архиве нет данных за указанную дату"), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(work() / "REPORT"));
}

TEST_F(CtlPassport, AnUnreadableRunNameMakesNoPassport) {
    // The start-up falls back on "Нитка 1" for table 5; the passport asks again and stops.
    StartAt({"--destroyed", "5"});
    const auto r = Run({"day", "--run", "1", "--date", "05.12.26", "--object", "ГРС"});
    EXPECT_EQ(r.exitCode, 1);
    const std::string refused =
        "Не выполнено чтение из таблицы 5.\nКоманда 1.  Разрушена таблица 5\nПовторить попытку?";
    EXPECT_NE(r.err.find(refused, r.err.find(refused) + 1), std::string::npos) << r.err;
    EXPECT_TRUE(fs::is_empty(work() / "REPORT"));
}

TEST_F(CtlPassport, AnUnwritableWorkbookIsToldWithItsFileAndWhy) {
    StartAt();
    const fs::path out = dir / "missing" / "day.xlsx";
    const auto r =
        Run({"day", "--run", "1", "--date", "05.12.26", "--object", "ГРС", "--out", out.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ошибка работы с файлом!\n" + out.string() + ": " + std::strerror(ENOENT)),
              std::string::npos)
        << r.err;
}

TEST_F(CtlPassport, AFullDiskWhileCopyingTheTemplateIsNoMissingTemplate) {
    StartAt();
    fs::create_directories(work());
    // The work directory on a tmpfs of one page, mounted in a namespace of zor06ctl's own.
    const auto r = RunProcess("unshare", {"-Urm", "sh", "-c",
                                          "mount -t tmpfs -o size=4096 tmpfs \"$0\" || exit 77\n"
                                          "exec \"$@\"",
                                          work().string(), ZOR06_CTL_PATH, "--tcp", endpoint,
                                          "--workdir", work().string(), "passport", "day", "--run",
                                          "1", "--date", "05.12.26", "--object", "ГРС"});
    if (r.exitCode == 77 || r.err.starts_with("unshare:")) {
        GTEST_SKIP() << "no tmpfs can be mounted here: " << r.err;
    }
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(
        r.err.find("Шаблон day_report_title_v5.xlsx не скопирован в рабочий каталог\n" +
                   (work() / "day_report_title_v5.xlsx").string() + ": " + std::strerror(ENOSPC)),
        std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("отсутствует"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zor06::test
