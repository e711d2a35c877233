// The subscriber and object list files: reading what the old program wrote, the capacity and
// index limits, and saving a list only when it changed.
#include <gtest/gtest.h>

#include "settings/list_edit.h"
#include "settings/settings_store.h"
#include "tests/settings/settings_test_support.h"
#include "tests/support/recording_operator.h"
#include "text/text_format.h"

namespace zor06::settings {
namespace {

using test::Cp1251;

class ListFilesTest : public ::testing::Test {
protected:
    void Load() { LoadSettings(settings, dir.path(), {1280, 1024}, 0); }
    std::filesystem::path File(const char* name) const { return dir.path() / name; }

    // A telephone list file of the given subscribers (name, telephone number).
    void WritePhones(const std::vector<std::pair<std::string, std::string>>& subscribers,
                     const std::string& header) {
        std::string bytes = "[FON_CONN_PAR]\r\n" + header;
        for (std::size_t i = 0; i < subscribers.size(); ++i) {
            bytes += text::Printf("[FON_ABONENT_%zu]\r\nuser_name=", i + 1) +
                     Cp1251(subscribers[i].first) +
                     "\r\ncontr_adr=3\r\nphone_code=" + subscribers[i].second + "\r\n";
        }
        test::WriteBytes(File("fon_abonents.ini"), bytes);
    }

    test::TempDir dir;
    test::RecordingOperator op;
    ProgramSettings settings;
};

TEST_F(ListFilesTest, TelephoneListReadsAsTheOldProgramWroteIt) {
    const std::string longName = "Газораспределительная станция №1 на реке Волге, район Северо";
    ASSERT_EQ(Cp1251(longName).size(), 60U);
    WritePhones({{longName, "0441"}, {"Б", "0442"}, {"В", "0443"}},
                "users_num=2\r\nuser_index=1\r\n");
    Load();
    ASSERT_EQ(settings.phones.entries.size(), 2U);  // the third section is ignored
    EXPECT_EQ(Cp1251(settings.phones.entries[1].name), Cp1251(longName).substr(0, 49));
    EXPECT_EQ(settings.phones.entries[0].name, "Б");  // sorted by name
    EXPECT_EQ(settings.phones.current, 0);            // "Б" stayed current
    EXPECT_EQ(settings.phones.entries[0].address, 3);
    EXPECT_EQ(settings.phones.entries[0].modbusAddress, 1);  // missing key
}

TEST_F(ListFilesTest, CurrentSubscriberFollowsItsNameThroughTheSort) {
    WritePhones({{"А", "9"}, {"Б", "1"}, {"В", "5"}},
                "users_num=3\r\nuser_index=0\r\nsort_prz=1\r\n");
    Load();
    EXPECT_EQ(settings.phones.current, 2);
    EXPECT_EQ(settings.phones.entries[2].name, "А");
}

TEST_F(ListFilesTest, CountsAreCutToCapacityAndStrayIndexesBecomeZero) {
    WritePhones({{"А", "1"}, {"Б", "2"}}, "users_num=2\r\nuser_index=257\r\n");
    test::WriteBytes(File("ethr_abonents.ini"), "[ETHERNET_CONN_PAR]\r\nusers_num=-3\r\n");
    test::WriteBytes(File("objects.ini"), "[OBJECT_LIST]\r\nobj_num=60\r\nobj_index=55\r\n");
    Load();
    EXPECT_EQ(settings.phones.current, 0);
    EXPECT_TRUE(settings.ethernet.entries.empty());
    EXPECT_EQ(settings.objects.entries.size(), 50U);

    test::WriteBytes(File("fon_abonents.ini"), "[FON_CONN_PAR]\r\nusers_num=250\r\n");
    Load();
    EXPECT_EQ(settings.phones.entries.size(), 200U);
}

TEST_F(ListFilesTest, SubscriberValuesOutOfRangeTakeDefaultsAndTheFileIsRewritten) {
    const std::string bytes =
        "[ETHERNET_CONN_PAR]\r\nusers_num=1\r\nsort_prz=7\r\n"
        "[ETHERNET_ABONENT_1]\r\nuser_name=A\r\ncontr_adr=256\r\nport=70000\r\n";
    test::WriteBytes(File("ethr_abonents.ini"), bytes);
    const auto problems = LoadSettings(settings, dir.path(), {1280, 1024}, 0);
    ASSERT_EQ(settings.ethernet.entries.size(), 1U);
    EXPECT_EQ(settings.ethernet.sorting, 0);
    EXPECT_EQ(settings.ethernet.entries[0].address, 1);  // not the low byte 0
    EXPECT_EQ(settings.ethernet.entries[0].port, 0);
    ASSERT_EQ(problems.size(), 1U);
    EXPECT_NE(problems[0].text.find("ethr_abonents.ini"), std::string::npos);

    ASSERT_TRUE(SaveEthernetList(settings, dir.path(), op));  // unchanged, but corrected
    EXPECT_NE(test::ReadBytes(File("ethr_abonents.ini")).find("contr_adr=1\r\nport=0\r\n"),
              std::string::npos);
}

TEST_F(ListFilesTest, IpAddressIsKeptAsASignedNumberAndSortsUnsigned) {
    test::WriteBytes(File("ethr_abonents.ini"),
                     "[ETHERNET_CONN_PAR]\r\nusers_num=2\r\nsort_prz=1\r\n"
                     "[ETHERNET_ABONENT_1]\r\nuser_name=A\r\nip_adr=-1062731766\r\nport=4001\r\n"
                     "[ETHERNET_ABONENT_2]\r\nuser_name=B\r\nip_adr=167772161\r\n");
    Load();
    ASSERT_EQ(settings.ethernet.entries.size(), 2U);
    EXPECT_EQ(settings.ethernet.entries[0].ip, 0x0A000001U);  // 10.0.0.1 first
    EXPECT_EQ(settings.ethernet.entries[1].ip, 0xC0A8000AU);
    EXPECT_EQ(settings.ethernet.current, 1);  // A was current

    settings.ethernet.entries[1].port = 502;
    ASSERT_TRUE(SaveEthernetList(settings, dir.path(), op));
    const std::string bytes = test::ReadBytes(File("ethr_abonents.ini"));
    EXPECT_NE(
        bytes.find("[ETHERNET_ABONENT_2]\r\nuser_name=A\r\nip_adr=-1062731766\r\ncontr_adr=1\r\n"
                   "port=502\r\n"),
        std::string::npos)
        << bytes;
}

TEST_F(ListFilesTest, DeletingTheOnlySubscriberIsSaved) {
    WritePhones({{"А", "1"}}, "users_num=1\r\n");
    Load();
    DeleteCurrent(settings.phones);
    ASSERT_TRUE(SavePhoneList(settings, dir.path(), op));
    Load();
    EXPECT_TRUE(settings.phones.entries.empty());
}

TEST_F(ListFilesTest, UnchangedListIsNotWrittenAndAShrunkListLeavesItsOldSections) {
    WritePhones({{"А", "1"}, {"Б", "2"}, {"В", "3"}}, "users_num=3\r\n");
    Load();
    std::filesystem::remove(File("fon_abonents.ini"));
    ASSERT_TRUE(SavePhoneList(settings, dir.path(), op));
    EXPECT_FALSE(std::filesystem::exists(File("fon_abonents.ini")));

    WritePhones({{"А", "1"}, {"Б", "2"}, {"В", "3"}}, "users_num=3\r\n");
    settings.phones.current = 2;
    DeleteCurrent(settings.phones);
    ASSERT_TRUE(SavePhoneList(settings, dir.path(), op));
    const std::string bytes = test::ReadBytes(File("fon_abonents.ini"));
    EXPECT_NE(bytes.find("users_num=2\r\nuser_index=1\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[FON_ABONENT_3]"), std::string::npos);
}

TEST_F(ListFilesTest, ObjectsAreWrittenInTheirKeyOrder) {
    ObjectList& objects = settings.objects;
    ASSERT_TRUE(AppendEntry(objects, ObjectEntry{"Объект", 17}));
    ASSERT_TRUE(SaveObjects(settings, dir.path(), op));
    EXPECT_EQ(test::ReadBytes(File("objects.ini")),
              "[OBJECT_LIST]\r\nobj_num=1\r\nsort_prz=0\r\nobj_index=0\r\n"
              "[OBJECT_1]\r\ncontr_adr=17\r\nobj_name=" +
                  Cp1251("Объект") + "\r\n");
}

TEST_F(ListFilesTest, UnwritableListIsReportedAndStaysUnsaved) {
    Load();
    test::WriteBytes(dir.path() / "INI", "");
    ASSERT_TRUE(AppendEntry(settings.phones, PhoneEntry{"А", 1, 0, "2"}));
    EXPECT_FALSE(SavePhoneList(settings, dir.path() / "INI", op));
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Error);
    EXPECT_NE(op.messages[0].text1.find("fon_abonents.ini"), std::string::npos);
    ASSERT_TRUE(SavePhoneList(settings, dir.path(), op));
    EXPECT_TRUE(std::filesystem::exists(File("fon_abonents.ini")));
}

}  // namespace
}  // namespace zor06::settings
