// conn.ini, rd_arh_par.ini and repconf_par.ini: defaults, files of the old program, and writing
// only what changed.
#include <gtest/gtest.h>

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
    void Load() { LoadSettings(settings, dir.path(), kScreen, kNow); }
    std::filesystem::path File(const char* name) const { return dir.path() / name; }

    test::TempDir dir;
    test::RecordingOperator op;
    ProgramSettings settings;
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
    EXPECT_EQ(link.direct.firstByteTimeoutS, 5);
    EXPECT_EQ(link.phone.record.firstByteTimeoutS, 6);
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
    EXPECT_EQ(settings.link.direct.comPort, 44);  // the low byte of 300
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
    EXPECT_NE(op.status[2].find("conn.ini"), std::string::npos) << op.status[2];
    ASSERT_TRUE(SaveLinkSettings(settings, dir.path(), op));
    EXPECT_NE(test::ReadBytes(File("conn.ini")).find("Conn_Prz=1"), std::string::npos);
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

}  // namespace
}  // namespace zor06::settings
