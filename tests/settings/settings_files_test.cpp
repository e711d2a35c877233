// conn.ini, rd_arh_par.ini and repconf_par.ini: defaults, files of the old program, and writing
// only what changed.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "settings/date_text.h"
#include "settings/settings_store.h"
#include "tests/settings/settings_test_support.h"
#include "tests/support/recording_operator.h"

namespace zor06::settings {
namespace {

constexpr ScreenSize kScreen{1280, 1024};
constexpr double kNow = 45356.5;  // 05.03.2024 12:00:00

class SettingsFilesTest : public ::testing::Test {
protected:
    void Load() { problems = LoadSettings(settings, dir.path(), kScreen, kNow); }
    std::filesystem::path File(const char* name) const { return dir.path() / name; }

    test::TempDir dir;
    test::RecordingOperator op;
    ProgramSettings settings;
    std::vector<FileProblem> problems;
};

TEST_F(SettingsFilesTest, NoFilesGiveEveryDefault) {
    Load();
    const LinkSettings& link = settings.link;
    EXPECT_EQ(link.window, (WindowGeometry{1200, 944, 40, 40}));
    EXPECT_EQ(link.linkKind, 0);
    EXPECT_EQ(link.portWaitS, 1);
    EXPECT_FALSE(link.closePort);
    EXPECT_EQ(link.direct.comPort, 1);
    EXPECT_EQ(link.direct.baud, 9600);
    EXPECT_EQ(link.direct.firstByteTimeoutMs, 5000);
    EXPECT_EQ(link.phone.record.firstByteTimeoutMs, 6000);
    EXPECT_EQ(link.phone.connectWaitS, 50);
    EXPECT_EQ(link.ethernet.connectWaitS, 10);
    EXPECT_EQ(link.ethernet.record.interByteTimeoutMs, 300);
    EXPECT_EQ(settings.archive.periodKind, 0);
    EXPECT_EQ(settings.archive.indexKind, 1);
    EXPECT_EQ(settings.archive.periodBegin, kNow);
    EXPECT_EQ(settings.archive.periodEnd, kNow);
    EXPECT_EQ(settings.report.decimals[12], 4);
}

TEST_F(SettingsFilesTest, WindowPositionCentresTheWidthJustRead) {
    test::WriteBytes(File("conn.ini"), "[CURR_PAR]\r\nForm_Width=1401\r\nForm_Height=1000\r\n");
    Load();
    EXPECT_EQ(settings.link.window, (WindowGeometry{1401, 1000, -60, 12}));  // toward zero
}

TEST_F(SettingsFilesTest, OldProgramsConnIniReads) {
    test::WriteBytes(File("conn.ini"),
                     "[CURR_PAR]\r\nConn_Prz=2\r\nDo_Close_Port=1\r\n"
                     "[DIR_CONN_PAR]\r\nCOMPort=300\r\nRate=19200\r\nPreambles=x\r\n"
                     "[FON_CONN_PAR]\r\nCommand=" +
                         std::string(250, 'Z') +
                         "\r\nAutoRepeat=5\r\n"
                         "[ETHERNET_CONN_PAR]\r\nAdr=7\r\nConnectWaitTime=30\r\n");
    Load();
    EXPECT_EQ(settings.link.linkKind, 2);
    EXPECT_TRUE(settings.link.closePort);
    EXPECT_EQ(settings.link.direct.comPort, 1);  // 300 is no COM port
    EXPECT_EQ(settings.link.direct.baud, 19200);
    EXPECT_EQ(settings.link.direct.preambles, 5);  // not a number
    EXPECT_EQ(settings.link.phone.command, std::string(199, 'Z'));
    EXPECT_TRUE(settings.link.phone.autoRepeat);
    EXPECT_EQ(settings.link.ethernet.record.address, 7);
    EXPECT_EQ(settings.link.ethernet.connectWaitS, 30);
}

TEST_F(SettingsFilesTest, LinkSettingsWriteOnlyTheSectionsThatChanged) {
    const std::string old = "; kept\r\n[ETHERNET_CONN_PAR]\r\nAdr=9\r\nUnknown=1\r\n";
    test::WriteBytes(File("conn.ini"), old);
    Load();
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    EXPECT_EQ(test::ReadBytes(File("conn.ini")), old);

    settings.link.direct.address = 12;
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    EXPECT_EQ(test::ReadBytes(File("conn.ini")),
              old +
                  "[DIR_CONN_PAR]\r\nCOMPort=1\r\nAdr=12\r\nRate=9600\r\nPreambles=5\r\n"
                  "Repeat=1\r\nTimeOut=300\r\nWaitTime=5\r\n");

    std::filesystem::remove(File("conn.ini"));
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));  // the copy has caught up
    EXPECT_FALSE(std::filesystem::exists(File("conn.ini")));
}

TEST_F(SettingsFilesTest, PortNameWinsWhenSetAndIsBlankedNotLeftBehind) {
    Load();
    EXPECT_EQ(settings.link.direct.portName, "");
    settings.link.direct.portName = "/dev/ttyUSB0";
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    Load();
    EXPECT_EQ(settings.link.direct.portName, "/dev/ttyUSB0");

    settings.link.direct.portName.clear();
    settings.link.phone.record.baud = 1200;
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    const std::string bytes = test::ReadBytes(File("conn.ini"));
    EXPECT_NE(bytes.find("PortName=\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("PortName", bytes.find("[FON_CONN_PAR]")), std::string::npos);
    Load();
    EXPECT_EQ(settings.link.direct.portName, "");
    EXPECT_EQ(settings.link.phone.record.baud, 1200);
}

TEST_F(SettingsFilesTest, UnwritableConnIniIsReportedAndRetriedLater) {
    Load();
    test::TempDir other;
    const auto notADir = other.path() / "INI";
    test::WriteBytes(notADir, "");
    settings.link.linkKind = 1;
    EXPECT_FALSE(SaveLinkSettings(settings, notADir, op));
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Error);
    EXPECT_EQ(op.messages[0].text1,
              "Не удалось записать файл настроек " + (notADir / "conn.ini").string());
    EXPECT_EQ(op.messages[0].text2, std::error_code(ENOTDIR, std::generic_category()).message());
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    EXPECT_NE(test::ReadBytes(File("conn.ini")).find("Conn_Prz=1"), std::string::npos);
}

TEST_F(SettingsFilesTest, ValuesOutsideTheDialogsRangesTakeTheirDefaults) {
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        int LinkSettings::*scalar;  // or, when null, the direct record's field below
        std::int32_t link::LinkParameters::*field;
        int expected;
        int perFileUnit = 1;  // the file keeps seconds where the record keeps milliseconds
    };
    const Case cases[] = {
        {"CURR_PAR", "Conn_Prz", "3", &LinkSettings::linkKind, nullptr, 0},
        {"CURR_PAR", "Free_Port_Wait", "21", &LinkSettings::portWaitS, nullptr, 1},
        {"DIR_CONN_PAR", "WaitTime", "3000000", nullptr, &link::LinkParameters::firstByteTimeoutMs,
         5000, 1000},
        {"DIR_CONN_PAR", "WaitTime", "-1", nullptr, &link::LinkParameters::firstByteTimeoutMs, 5000,
         1000},
        {"DIR_CONN_PAR", "WaitTime", "120", nullptr, &link::LinkParameters::firstByteTimeoutMs,
         120000, 1000},
        {"DIR_CONN_PAR", "TimeOut", "54", nullptr, &link::LinkParameters::interByteTimeoutMs, 300},
        {"DIR_CONN_PAR", "TimeOut", "5000", nullptr, &link::LinkParameters::interByteTimeoutMs,
         5000},
        {"DIR_CONN_PAR", "Rate", "9601", nullptr, &link::LinkParameters::baud, 9600},
        {"DIR_CONN_PAR", "Rate", "230400", nullptr, &link::LinkParameters::baud, 230400},
    };
    for (const Case& c : cases) {
        test::WriteBytes(File("conn.ini"),
                         std::string("[") + c.section + "]\r\n" + c.key + "=" + c.value + "\r\n");
        Load();
        const int got =
            c.scalar != nullptr ? settings.link.*c.scalar : settings.link.direct.*c.field;
        EXPECT_EQ(got, c.expected) << c.key << "=" << c.value;
        EXPECT_EQ(problems.size(), got == std::atoll(c.value) * c.perFileUnit ? 0U : 1U)
            << c.key << "=" << c.value;
    }
}

TEST_F(SettingsFilesTest, ReplacedValuesAreReportedAndCorrectedAtTheNextSave) {
    test::WriteBytes(File("conn.ini"),
                     "[DIR_CONN_PAR]\r\nAdr=0\r\nRepeat=6\r\n[FON_CONN_PAR]\r\nWaitTime=0\r\n"
                     "ConnectWaitTime=361\r\n[ETHERNET_CONN_PAR]\r\nConn_Repeat=11\r\n");
    Load();
    EXPECT_EQ(settings.link.direct.address, 1);
    EXPECT_EQ(settings.link.direct.attempts, 1);
    EXPECT_EQ(settings.link.phone.record.firstByteTimeoutMs, 6000);  // the telephone's own default
    EXPECT_EQ(settings.link.phone.connectWaitS, 50);
    EXPECT_EQ(settings.link.ethernet.connectAttempts, 1);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].text, "Значения вне допустимого диапазона заменены в файле настроек " +
                                    File("conn.ini").string());
    EXPECT_EQ(problems[0].reason,
              "[DIR_CONN_PAR] Adr=0, принято 1; [DIR_CONN_PAR] Repeat=6, принято 1; "
              "[FON_CONN_PAR] WaitTime=0, принято 6; [FON_CONN_PAR] ConnectWaitTime=361, "
              "принято 50; [ETHERNET_CONN_PAR] Conn_Repeat=11, принято 1");

    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    const std::string bytes = test::ReadBytes(File("conn.ini"));
    EXPECT_EQ(bytes.find("[CURR_PAR]"), std::string::npos);  // it held nothing wrong
    Load();
    EXPECT_TRUE(problems.empty()) << problems[0].reason;
}

TEST_F(SettingsFilesTest, UnreadableFileGivesDefaultsAProblemAndIsNotOverwritten) {
    std::filesystem::create_directory(File("conn.ini"));
    test::WriteBytes(File("conn.ini") / "keep", "x");
    Load();
    EXPECT_EQ(settings.link.direct.baud, 9600);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].text, "Не удалось прочитать файл настроек " + File("conn.ini").string());
    EXPECT_EQ(problems[0].reason, std::error_code(EISDIR, std::generic_category()).message());

    settings.link.linkKind = 2;
    EXPECT_FALSE(SaveLinkSettings(settings, dir.path(), op));
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].text1,
              "Не удалось записать файл настроек " + File("conn.ini").string());
    EXPECT_TRUE(std::filesystem::exists(File("conn.ini") / "keep"));
}

TEST_F(SettingsFilesTest, FileWithAByteOrderMarkKeepsItsFirstSection) {
    test::WriteBytes(File("conn.ini"),
                     "\xEF\xBB\xBF[CURR_PAR]\r\nConn_Prz=2\r\n[DIR_CONN_PAR]\r\nAdr=4\r\n");
    Load();
    EXPECT_EQ(settings.link.linkKind, 2);
    settings.link.portWaitS = 3;
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    const std::string bytes = test::ReadBytes(File("conn.ini"));
    EXPECT_TRUE(bytes.starts_with("[CURR_PAR]\r\nConn_Prz=2\r\nFree_Port_Wait=3\r\n")) << bytes;
    EXPECT_EQ(bytes.find("[CURR_PAR]", 1), std::string::npos);
    EXPECT_NE(bytes.find("[DIR_CONN_PAR]\r\nAdr=4\r\n"), std::string::npos);
}

TEST_F(SettingsFilesTest, ArchiveChoicesKeepTheirMoments) {
    test::WriteBytes(File("rd_arh_par.ini"),
                     "[ARH_PAR]\r\nper_kind=3\r\ncurr_dt_beg=1.2.2024 9:05:07\r\n"
                     "curr_dt_end=31.02.2024 10:00:00\r\n");
    Load();
    EXPECT_EQ(settings.archive.periodKind, 3);
    EXPECT_EQ(FormatDateTime(settings.archive.periodBegin), "01.02.2024 09:05:07");
    EXPECT_EQ(settings.archive.periodEnd, kNow);  // no such day

    ASSERT_TRUE(SaveArchiveChoices(settings, dir.path(), op));
    EXPECT_EQ(test::ReadBytes(File("rd_arh_par.ini")),
              "[ARH_PAR]\r\nper_kind=3\r\ncurr_dt_beg=01.02.2024 09:05:07\r\n"
              "curr_dt_end=05.03.2024 12:00:00\r\nind_kind=1\r\n");
}

TEST(DateTextTest, ReadsTheFormsTheOldProgramWrites) {
    EXPECT_EQ(ParseDateTime("05.03.2024"), 45356.0);  // midnight has no time part
    EXPECT_EQ(ParseDateTime("05.03.2024 12:00"), kNow);
    EXPECT_EQ(ParseDateTime(" 5.3.2024 12:00:00 "), kNow);
    for (const char* bad :
         {"", "05.03.24", "5/3/2024", "05.03.2024 24:00:00", "05.03.2024 x", "29.02.2023"}) {
        EXPECT_FALSE(ParseDateTime(bad)) << bad;
    }
    EXPECT_EQ(FormatDateTime(45356.0 + 86399.6 / 86400), "06.03.2024 00:00:00");
}

TEST_F(SettingsFilesTest, ReportConfigReadsItsKeys) {
    test::WriteBytes(File("repconf_par.ini"), "[REP_CONF]\r\nthermal_unit=1\r\nfr_13=2\r\n");
    Load();
    EXPECT_EQ(settings.report.thermalUnit, 1);
    EXPECT_EQ(settings.report.decimals[12], 2);
    EXPECT_EQ(settings.report.decimals[11], 4);
    EXPECT_EQ(settings.report.composition, 0);
}

TEST_F(SettingsFilesTest, ReportConfigIsoConditionsMustBeOnesTheStandardTabulates) {
    const struct {
        const char* file;
        int formula, combustion, metering, c6plus;
        const char* replaced;  // empty when nothing was
    } cases[] = {
        {"calc_formula=2\r\niso_t_comb=15\r\niso_t_metering=0\r\nc6plus=1\r\n", 2, 15, 0, 1, ""},
        {"", 0, 25, 20, 0, ""},
        {"calc_formula=3\r\niso_t_comb=10\r\niso_t_metering=25\r\nc6plus=2\r\n", 0, 25, 20, 0,
         "[REP_CONF] calc_formula=3, принято 0; [REP_CONF] iso_t_comb=10, принято 25; "
         "[REP_CONF] iso_t_metering=25, принято 20; [REP_CONF] c6plus=2, принято 0"},
    };
    for (const auto& c : cases) {
        test::WriteBytes(File("repconf_par.ini"), std::string("[REP_CONF]\r\n") + c.file);
        problems.clear();
        Load();
        EXPECT_EQ(settings.report.calcFormula, c.formula) << c.file;
        EXPECT_EQ(settings.report.isoCombustion, c.combustion) << c.file;
        EXPECT_EQ(settings.report.isoMetering, c.metering) << c.file;
        EXPECT_EQ(settings.report.c6plus, c.c6plus) << c.file;
        EXPECT_EQ(problems.empty() ? "" : problems[0].reason, c.replaced) << c.file;
    }
}

TEST_F(SettingsFilesTest, ReportConfigIsoCheckLimitIsAPerCentWithinItsRange) {
    const struct {
        const char* value;
        double limit;
        const char* replaced;  // empty when nothing was
    } cases[] = {
        {"0.125", 0.125, ""},
        {" 2 ", 2, ""},
        {"0", 0, ""},
        {"100", 100, ""},
        {"0,1", 0.05, ""},  // not a number with a point: the default, as any unreadable value
        {"abc", 0.05, ""},
        {"1e2", 0.05, ""},
        {"-0.01", 0.05, "[REP_CONF] iso_check_limit=-0.01, принято 0.05"},
        {"100.5", 0.05, "[REP_CONF] iso_check_limit=100.5, принято 0.05"},
        {"nan", 0.05, "[REP_CONF] iso_check_limit=nan, принято 0.05"},
    };
    for (const auto& c : cases) {
        test::WriteBytes(File("repconf_par.ini"),
                         std::string("[REP_CONF]\r\niso_check_limit=") + c.value + "\r\n");
        problems.clear();
        Load();
        EXPECT_EQ(settings.report.isoCheckLimit, c.limit) << c.value;
        EXPECT_EQ(problems.empty() ? "" : problems[0].reason, c.replaced) << c.value;
    }
}

TEST_F(SettingsFilesTest, ReportConfigValuesOutOfRangeTakeTheirDefaultsAndAreReported) {
    test::WriteBytes(File("repconf_par.ini"),
                     "[REP_CONF]\r\nprz_composition=2\r\nmetan_corr=-1\r\nfr_1=15\r\n"
                     "fr_2=16\r\nfr_20=-3\r\ncalc_formula=1\r\n");
    Load();
    EXPECT_EQ(settings.report.composition, 0);
    EXPECT_EQ(settings.report.methaneCorrection, 0);
    EXPECT_EQ(settings.report.calcFormula, 1);
    EXPECT_EQ(settings.report.decimals[0], 15);
    EXPECT_EQ(settings.report.decimals[1], 4);
    EXPECT_EQ(settings.report.decimals[19], 4);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_EQ(problems[0].text, "Значения вне допустимого диапазона заменены в файле настроек " +
                                    File("repconf_par.ini").string());
    EXPECT_EQ(problems[0].reason,
              "[REP_CONF] prz_composition=2, принято 0; [REP_CONF] metan_corr=-1, принято 0; "
              "[REP_CONF] fr_2=16, принято 4; [REP_CONF] fr_20=-3, принято 4");
}

}  // namespace
}  // namespace zor06::settings
