// The INI layer: what the Windows profile functions would read, and writes that keep the rest.
#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

#include "tests/settings/settings_test_support.h"

namespace zor06::settings {
namespace {

using test::Cp1251;

TEST(IniFileTest, UntouchedFileComesBackByteForByte) {
    const std::string bytes = "; " + Cp1251("список абонентов") + "\r\n[FON_ABONENT_1]\r\n" +
                              "user_name=" + Cp1251("ГРС «Южная»") + "\r\nzeta=1\r\nalpha=2\r\n" +
                              "\r\n[OTHER]\r\nx=y\r\n";
    const IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.ToBytes(), bytes);
    EXPECT_EQ(ini.ReadText("fon_abonent_1", "USER_NAME", ""), "ГРС «Южная»");
}

TEST(IniFileTest, WritesReplaceInPlaceAppendToTheSectionAndNeverDelete) {
    IniFile ini = IniFile::FromBytes("[A]\nZeta=1\nalpha=2\n\n[B]\nx=y\n");
    ini.Write("a", "ZETA", "7");
    ini.Write("A", "name", "Пётр");
    ini.Write("C", "k", "v");
    EXPECT_EQ(ini.ToBytes(), "[A]\r\nZeta=7\r\nalpha=2\r\nname=" + Cp1251("Пётр") +
                                 "\r\n\r\n[B]\r\nx=y\r\n[C]\r\nk=v\r\n");
}

TEST(IniFileTest, ValuesReadAsTheProfileFunctionsReadThem) {
    const IniFile ini =
        IniFile::FromBytes("[S]\n a = 12 \nb=\"quoted\"\nb=second\nc=\nd='x\"\n[S]\ne=hidden\n");
    EXPECT_EQ(ini.ReadText("S", "a", "-"), "12");
    EXPECT_EQ(ini.ReadText("S", "b", "-"), "quoted");  // quotes dropped; the first key wins
    EXPECT_EQ(ini.ReadText("S", "c", "-"), "");        // empty is not missing
    EXPECT_EQ(ini.ReadText("S", "d", "-"), "'x\"");    // unmatched quotes stay
    EXPECT_EQ(ini.ReadText("S", "e", "-"), "-");       // only the first section of a name counts
    EXPECT_EQ(ini.ReadText("T", "a", "-"), "-");
}

TEST(IniFileTest, IntegersTakeTheLeadingDigitsOrTheDefault) {
    const std::pair<const char*, int> cases[] = {
        {"12", 12},
        {" -7 ", -7},
        {"+3", 3},
        {"42abc", 42},
        {"abc", 99},
        {"-", 99},
        {"", 99},
        {"3232235530", -1062731766},
        {"-1062731766", -1062731766},
    };
    for (const auto& [text, expected] : cases) {
        IniFile ini;
        ini.Write("S", "k", text);
        EXPECT_EQ(ini.ReadInt("S", "k", 99), expected) << '"' << text << '"';
    }
    EXPECT_EQ(IniFile{}.ReadInt("S", "k", 99), 99);
}

TEST(IniFileTest, TextAfterAByteOrderMarkIsUtf8AndTheMarkIsNotWrittenBack) {
    const IniFile ini = IniFile::FromBytes("\xEF\xBB\xBF[S]\r\nname=Южная\r\n");
    EXPECT_EQ(ini.ReadText("S", "name", "-"), "Южная");
    EXPECT_EQ(ini.ToBytes(), "[S]\r\nname=" + Cp1251("Южная") + "\r\n");
}

TEST(IniFileTest, LineBreaksInAValueCannotSplitTheFile) {
    IniFile ini;
    ini.Write("S", "k", "one\r\ntwo=2");
    EXPECT_EQ(ini.ToBytes(), "[S]\r\nk=one  two=2\r\n");
}

TEST(IniFileTest, SavingReplacesTheFileAndLeavesNoTemporary) {
    test::TempDir dir;
    const auto path = dir.path() / "conn.ini";
    test::WriteBytes(path, "[S]\r\nk=1\r\n");
    std::string error;
    auto ini = LoadIniFile(path, &error);
    ASSERT_TRUE(ini);
    ini->WriteInt("S", "k", 2);
    ASSERT_TRUE(SaveIniFile(path, *ini, &error)) << error;
    EXPECT_EQ(test::ReadBytes(path), "[S]\r\nk=2\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(IniFileTest, MissingFileIsEmptyButAnUnreadableOneIsAnError) {
    test::TempDir dir;
    std::string error;
    const auto missing = LoadIniFile(dir.path() / "none.ini", &error);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->ToBytes(), "");
    EXPECT_FALSE(LoadIniFile(dir.path(), &error));
    EXPECT_NE(error, "");
}

TEST(IniFileTest, UnwritableFileIsReported) {
    test::TempDir dir;
    test::WriteBytes(dir.path() / "INI", "a file where the directory should be");
    std::string error;
    EXPECT_FALSE(SaveIniFile(dir.path() / "INI" / "conn.ini", IniFile{}, &error));
    EXPECT_EQ(error, std::error_code(ENOTDIR, std::generic_category()).message());
}

}  // namespace
}  // namespace zor06::settings
