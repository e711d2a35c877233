// The passports filled into the build's templates and read back from the saved workbook: the rows
// of a gas day and of a month, the "--" rules, the averages and the template kept around the cells.
#include "gasdata/passport.h"

#include "gasdata/passport_templates.h"
#include "tests/support/xlsx_cells.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace zor06::gasdata {
namespace {

namespace fs = std::filesystem;
using test::Cell;
using test::SheetCells;
using test::ZipEntry;

const fs::path kTemplates = ZOR06_TEMPLATE_DIR;

ChrHdRecord Chr(int yy, int mm, int dd, int hour, float methane, std::uint8_t status = 0) {
    ChrHdRecord r;
    r.date = {static_cast<std::uint8_t>(yy), static_cast<std::uint8_t>(mm),
              static_cast<std::uint8_t>(dd)};
    r.start = {static_cast<std::uint8_t>(hour), 0, 0};
    r.status = status;
    for (int i = 0; i < kChrParameters; ++i) {
        r.values.v[static_cast<std::size_t>(i)] = 0.5f + static_cast<float>(i) + hour * 0.01f;
    }
    r.values.v[kMethane] = methane;
    auto bytes = r.Encode();
    SealRecord(bytes);
    return ChrHdRecord::Decode(bytes);
}

WmtHdRecord Wmt(std::uint8_t status = 0) {
    WmtHdRecord r;
    r.status = status;
    r.values = {-12.5f, -3.25f, 54.1f, -20.75f};
    auto bytes = r.Encode();
    SealRecord(bytes);
    return WmtHdRecord::Decode(bytes);
}

template <typename Record>
Record Broken(Record r) {
    r.crc[0] ^= 0x5A;
    return r;
}

// A gas day of contract hour 10: 05.03.19 10:00 to 06.03.19 09:00.
PassportData GasDay() {
    PassportData d;
    d.date = {19, 3, 5, 10};
    d.serialNumber = 4711;
    d.runName = "Нитка 1";
    d.objectName = "ГРС Южная";
    for (int i = 0; i < 24; ++i) {
        const int hour = (10 + i) % 24;
        d.chr.push_back(Chr(19, 3, i < 14 ? 5 : 6, hour, 90.5f + i * 0.01f));
        d.wmt.push_back(Wmt());
    }
    d.chrSummary = Chr(19, 3, 5, 10, 91.25f);
    d.wmtSummary = Wmt();
    return d;
}

class PassportTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-passport-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::map<std::string, Cell> Written(const PassportData& data) {
        std::string reason;
        EXPECT_TRUE(WritePassport(data, kTemplates, out(), &reason)) << reason;
        return SheetCells(out());
    }
    fs::path out() const { return dir_ / "passport.xlsx"; }

    fs::path dir_;
};

TEST_F(PassportTest, GasDayFillsRowsTenToThirtyThreeAndTheDailyRecordRowThirtyFour) {
    const PassportData d = GasDay();
    auto cells = Written(d);
    const auto templ = SheetCells(kTemplates / kDayTemplate);
    EXPECT_EQ(cells["AB2"].text, "Серийный номер хроматографа 4711;  Нитка 1");
    EXPECT_EQ(cells["V4"].text, "За період з 05.03.19 10:00  по  06.03.19 09:00");
    EXPECT_EQ(cells["A10"].text, "05.03.19  10:00");
    EXPECT_EQ(cells["A33"].text, "06.03.19  09:00");
    EXPECT_EQ(cells["B10"].number, static_cast<double>(d.chr[0].values.v[kMethane]));
    EXPECT_EQ(cells["C33"].number, static_cast<double>(d.chr[23].values.v[10]));
    EXPECT_EQ(cells["J10"].number, static_cast<double>(d.chr[0].values.v[0]));
    EXPECT_EQ(cells["O10"].number,
              static_cast<double>(static_cast<float>(d.chr[0].values.v[18] * 239.08)));
    EXPECT_EQ(cells["P10"].number, static_cast<double>(d.chr[0].values.v[18]));
    EXPECT_EQ(cells["R10"].number,
              static_cast<double>(static_cast<float>(d.chr[0].values.v[11] * 239.08)));
    EXPECT_EQ(cells["W10"].number,
              static_cast<double>(static_cast<float>(d.chr[0].values.v[13] * 0.277778)));
    EXPECT_EQ(cells["AB10"].number, static_cast<double>(d.chr[0].values.v[16]));
    EXPECT_EQ(cells["X10"].number, -12.5);
    EXPECT_EQ(cells["Y10"].number, -20.75);
    EXPECT_EQ(cells["Z10"].number, -3.25);
    EXPECT_EQ(cells["AA10"].number, static_cast<double>(static_cast<float>(54.1f * 1.019716213)));
    EXPECT_EQ(cells["B34"].number, 91.25f);
    EXPECT_FALSE(cells.contains("A34") && !cells["A34"].text.empty() &&
                 cells["A34"].text != templ.at("A34").text);
    // The template's own look of every cell stays.
    for (const char* ref : {"B10", "A33", "AB34", "V4", "AB2"}) {
        EXPECT_EQ(cells[ref].style, templ.at(ref).style) << ref;
    }
    EXPECT_EQ(ZipEntry(out(), "xl/styles.xml"),
              ZipEntry(kTemplates / kDayTemplate, "xl/styles.xml"));
}

TEST_F(PassportTest, UnusableRowsGetDashes) {
    struct Case {
        const char* what;
        ChrHdRecord chr;
        WmtHdRecord wmt;
        bool chrUsable;
        bool wmtUsable;
    };
    const Case cases[] = {
        {"usable", Chr(19, 3, 5, 10, 90.0f), Wmt(), true, true},
        {"status bit 1", Chr(19, 3, 5, 10, 90.0f, 0x02), Wmt(0x02), false, false},
        {"status bit 5", Chr(19, 3, 5, 10, 90.0f, 0x20), Wmt(0x04), false, false},
        {"methane 0", Chr(19, 3, 5, 10, 0.0f), Wmt(0x01), false, true},
        {"methane not a number", Chr(19, 3, 5, 10, std::nanf("")), Wmt(), false, true},
        {"bad CRC", Broken(Chr(19, 3, 5, 10, 90.0f)), Broken(Wmt()), false, false},
    };
    for (const Case& c : cases) {
        PassportData d = GasDay();
        d.chr[0] = c.chr;
        d.wmt[0] = c.wmt;
        auto cells = Written(d);
        for (const char* ref : {"B10", "P10", "W10"}) {
            EXPECT_EQ(cells[ref].text == "--", !c.chrUsable) << c.what << " " << ref;
            EXPECT_EQ(cells[ref].number.has_value(), c.chrUsable) << c.what << " " << ref;
        }
        EXPECT_EQ(cells["AB10"].number.has_value(), c.chrUsable) << c.what;
        EXPECT_TRUE(cells["AB10"].text.empty()) << c.what;
        for (const char* ref : {"X10", "AA10"}) {
            EXPECT_EQ(cells[ref].text == "--", !c.wmtUsable) << c.what << " " << ref;
        }
    }
}

TEST_F(PassportTest, ShortGasDayRunsThePeriodFromTheFirstHourRead) {
    PassportData d = GasDay();
    d.chr.erase(d.chr.begin(), d.chr.begin() + 5);
    d.wmt.erase(d.wmt.begin(), d.wmt.begin() + 5);
    auto cells = Written(d);
    EXPECT_EQ(cells["V4"].text, "За період з 05.03.19 15:00  по  06.03.19 09:00");
    EXPECT_EQ(cells["A28"].text, "06.03.19  09:00");
    EXPECT_FALSE(cells["B29"].number.has_value());
    EXPECT_EQ(cells["B34"].number, 91.25f);
}

PassportData Month(const std::vector<ChrHdRecord>& days) {
    PassportData d;
    d.mode = PassportMode::Month;
    d.date = {19, 3, 1, 10};
    d.runName = "Нитка 2";
    d.objectName = "ГРС";
    d.chr = days;
    d.wmt.assign(days.size(), Wmt());
    d.chrSummary.values = MonthChrAverages(d.chr);
    return d;
}

TEST_F(PassportTest, MonthDaysLieInTheirOwnRowsAndAveragesInRowFortyOne) {
    const PassportData d =
        Month({Chr(19, 3, 3, 10, 90.0f), Chr(19, 3, 4, 10, 92.0f), Chr(19, 3, 6, 10, 50.0f, 0x20),
               Broken(Chr(19, 3, 7, 10, 10.0f)), Chr(19, 3, 31, 10, 94.0f)});
    auto cells = Written(d);
    EXPECT_EQ(cells["V4"].text, "За період з 03.03.19 по  31.03.19");
    EXPECT_EQ(cells["B12"].number, 90.0);
    EXPECT_EQ(cells["B13"].number, 92.0);
    EXPECT_FALSE(cells["B14"].number.has_value());  // the 5th is missing
    EXPECT_TRUE(cells["B14"].text.empty());
    EXPECT_EQ(cells["B15"].text, "--");
    EXPECT_EQ(cells["B16"].text, "--");
    EXPECT_EQ(cells["B40"].number, 94.0);
    EXPECT_EQ(d.chrSummary.values.v[kMethane], 92.0f);  // rows 6 and 7 left out
    const double lower = d.chrSummary.values.v[18];
    EXPECT_EQ(cells["P41"].number, lower);
    EXPECT_EQ(cells["O41"].number, static_cast<double>(static_cast<float>(lower * 239.08)));
    EXPECT_EQ(cells["S41"].number,
              static_cast<double>(static_cast<float>(d.chrSummary.values.v[11])));
    EXPECT_EQ(ZipEntry(out(), "xl/styles.xml"),
              ZipEntry(kTemplates / kMonthTemplate, "xl/styles.xml"));
}

TEST_F(PassportTest, MonthWithoutUsableDayAveragesZero) {
    const PassportData d = Month({Chr(19, 3, 1, 10, 0.0f), Chr(19, 3, 2, 10, 0.0005f)});
    auto cells = Written(d);
    for (const char* ref : {"O41", "P41", "Q41", "R41", "S41", "T41"}) {
        EXPECT_EQ(cells[ref].number, 0.0) << ref;
    }
    EXPECT_EQ(MonthWmtAverages({Wmt(0x02), Broken(Wmt())}), (std::array<float, 4>{}));
    EXPECT_EQ(MonthWmtAverages({Wmt(), Wmt(0x04)})[2], 54.1f);
}

TEST_F(PassportTest, FileNameTakesObjectAndRunMadeFitForAFileName) {
    PassportData d = GasDay();
    d.objectName = "ГРС 3/4";
    d.runName =
        "Нитка\x01"
        "1";
    EXPECT_EQ(PassportFileName(d), "ГРС 3_4_Нитка_1_day_190305.xlsx");
    d.mode = PassportMode::Month;
    EXPECT_EQ(PassportFileName(d), "ГРС 3_4_Нитка_1_mon_1903.xlsx");
}

TEST_F(PassportTest, ExistingReportIsReplacedOnlyByACompleteOne) {
    PassportData d = GasDay();
    Written(d);
    d.chr[0] = Chr(19, 3, 5, 10, 80.0f);
    EXPECT_EQ(Written(d)["B10"].number, 80.0);
    std::string reason;
    EXPECT_FALSE(WritePassport(d, dir_ / "no-templates", out(), &reason));
    EXPECT_NE(reason.find("template"), std::string::npos) << reason;
    EXPECT_EQ(SheetCells(out())["B10"].number, 80.0);
}

TEST_F(PassportTest, MissingTemplatesAreCopiedAndAnOperatorsOwnKept) {
    const fs::path work = dir_ / "work";
    fs::create_directories(work);
    std::ofstream(work / kMonthTemplate) << "operator's";
    for (const char* name : {kDayTemplate, kMonthTemplate}) {
        std::string reason;
        EXPECT_TRUE(EnsurePassportTemplate(work, name, {dir_ / "nowhere", kTemplates}, &reason))
            << reason;
    }
    EXPECT_EQ(ZipEntry(work / kDayTemplate, "xl/styles.xml"),
              ZipEntry(kTemplates / kDayTemplate, "xl/styles.xml"));
    std::ifstream in(work / kMonthTemplate);
    std::string kept;
    std::getline(in, kept);
    EXPECT_EQ(kept, "operator's");
}

// An installation lays the programs in PREFIX/bin and the templates in
// PREFIX/share/zor06/templates; a template beside the program comes first.
TEST_F(PassportTest, TemplatesAreFoundBesideTheProgramThenInItsDataDirectory) {
    const fs::path bin = dir_ / "prefix" / "bin";
    const fs::path data = dir_ / "prefix" / "share" / "zor06" / "templates";
    fs::create_directories(bin);
    fs::create_directories(data);
    std::ofstream(data / kDayTemplate) << "installed";
    std::ofstream(data / kMonthTemplate) << "installed";
    std::ofstream(bin / kMonthTemplate) << "beside";
    const fs::path work = dir_ / "work";
    fs::create_directories(work);

    for (const auto& [name, expected] :
         {std::pair{kDayTemplate, "installed"}, std::pair{kMonthTemplate, "beside"}}) {
        std::string reason;
        EXPECT_TRUE(EnsurePassportTemplate(work, name, TemplateSources(bin), &reason)) << reason;
        std::ifstream in(work / name);
        std::string copied;
        std::getline(in, copied);
        EXPECT_EQ(copied, expected) << name;
    }
}

}  // namespace
}  // namespace zor06::gasdata
