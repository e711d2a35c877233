// Two programs on one work directory, each having read the settings before the other saved: what
// either of them changed reaches the file, and a list the other one grew past its capacity is
// refused with a message instead of being cut.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "settings/list_files.h"
#include "settings/settings_store.h"
#include "tests/settings/settings_test_support.h"
#include "tests/support/recording_operator.h"

namespace zor06::settings {
namespace {

namespace fs = std::filesystem;

constexpr ScreenSize kScreen{1280, 1024};
constexpr double kNow = 45356.5;

using Save = std::function<bool(ProgramSettings&, const fs::path&, dialogue::Operator&)>;

template <typename List>
bool Named(const List& list, const std::string& name) {
    return std::ranges::any_of(list.entries, [&name](const auto& e) { return e.name == name; });
}

std::string NameOf(int program) {
    return "Станция " + std::to_string(program);
}

TEST(SharedSettingsTest, NeitherProgramsChangeIsLost) {
    struct Case {
        const char* what;
        std::function<void(ProgramSettings&, int program)> change;
        Save save;
        std::function<bool(const ProgramSettings&, int program)> holds;
    };
    const auto address = [](int program) { return static_cast<std::uint8_t>(program); };
    const Case cases[] = {
        {"objects added",
         [&](ProgramSettings& s, int p) {
             s.objects.entries.push_back({NameOf(p), address(p)});
         },
         SaveObjects, [](const ProgramSettings& s, int p) { return Named(s.objects, NameOf(p)); }},
        {"an object deleted, another added",
         [&](ProgramSettings& s, int p) {
             if (p == 1) {
                 std::erase_if(s.objects.entries, [](const auto& e) { return e.name == "ГРС"; });
             } else {
                 s.objects.entries.push_back({NameOf(p), address(p)});
             }
         },
         SaveObjects,
         [](const ProgramSettings& s, int p) {
             return p == 1 ? !Named(s.objects, "ГРС") : Named(s.objects, NameOf(p));
         }},
        {"telephone subscribers added",
         [&](ProgramSettings& s, int p) {
             s.phones.entries.push_back({NameOf(p), address(p), 0, "55500" + std::to_string(p)});
         },
         SavePhoneList, [](const ProgramSettings& s, int p) { return Named(s.phones, NameOf(p)); }},
        {"Ethernet subscribers added",
         [&](ProgramSettings& s, int p) {
             s.ethernet.entries.push_back({NameOf(p), address(p), 0x7F000001U + address(p), 5000});
         },
         SaveEthernetList,
         [](const ProgramSettings& s, int p) { return Named(s.ethernet, NameOf(p)); }},
        {"conn.ini sections changed",
         [](ProgramSettings& s, int p) {
             if (p == 1) {
                 s.link.phone.connectWaitS = 77;
             } else {
                 s.link.ethernet.connectWaitS = 33;
             }
         },
         SaveLinkSettings,
         [](const ProgramSettings& s, int p) {
             return p == 1 ? s.link.phone.connectWaitS == 77 : s.link.ethernet.connectWaitS == 33;
         }},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        test::WriteBytes(dir.path() / kObjectListFile,
                         test::Cp1251("[OBJECT_LIST]\r\nobj_num=1\r\nobj_index=0\r\n"
                                      "[OBJECT_1]\r\ncontr_adr=9\r\nobj_name=ГРС\r\n"));
        ProgramSettings first;
        ProgramSettings second;
        LoadSettings(first, dir.path(), kScreen, kNow);
        LoadSettings(second, dir.path(), kScreen, kNow);
        test::RecordingOperator op;
        c.change(first, 1);
        c.change(second, 2);
        ASSERT_TRUE(c.save(first, dir.path(), op)) << c.what;
        ASSERT_TRUE(c.save(second, dir.path(), op)) << c.what;
        EXPECT_TRUE(op.messages.empty()) << c.what;

        ProgramSettings reread;
        LoadSettings(reread, dir.path(), kScreen, kNow);
        EXPECT_TRUE(c.holds(reread, 1)) << c.what;
        EXPECT_TRUE(c.holds(reread, 2)) << c.what;
    }
}

TEST(SharedSettingsTest, TheLaterSaveShowsTheOthersEntries) {
    test::TempDir dir;
    ProgramSettings first;
    ProgramSettings second;
    LoadSettings(first, dir.path(), kScreen, kNow);
    LoadSettings(second, dir.path(), kScreen, kNow);
    test::RecordingOperator op;
    first.ethernet.entries.push_back({NameOf(1), 1, 0x7F000001U, 5000});
    second.ethernet.entries.push_back({NameOf(2), 2, 0x7F000002U, 5000});
    ASSERT_TRUE(SaveEthernetList(first, dir.path(), op));
    ASSERT_TRUE(SaveEthernetList(second, dir.path(), op));
    EXPECT_TRUE(Named(second.ethernet, NameOf(1)));
    EXPECT_EQ(second.ethernet, second.ethernetSaved);  // nothing left to save
}

TEST(SharedSettingsTest, AListTheOtherProgramFilledIsReportedAndKept) {
    test::TempDir dir;
    ProgramSettings filler;
    ProgramSettings late;
    LoadSettings(filler, dir.path(), kScreen, kNow);
    LoadSettings(late, dir.path(), kScreen, kNow);
    test::RecordingOperator op;
    for (std::size_t i = 0; i < ObjectList::kCapacity; ++i) {
        filler.objects.entries.push_back({"ГРС " + std::to_string(i), 1});
    }
    ASSERT_TRUE(SaveObjects(filler, dir.path(), op));
    const std::string full = test::ReadBytes(dir.path() / kObjectListFile);

    late.objects.entries.push_back({NameOf(1), 1});
    EXPECT_FALSE(SaveObjects(late, dir.path(), op));
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_NE(op.messages[0].text2.find(std::to_string(ObjectList::kCapacity)), std::string::npos)
        << op.messages[0].text2;
    EXPECT_EQ(test::ReadBytes(dir.path() / kObjectListFile), full);
    EXPECT_TRUE(Named(late.objects, NameOf(1)));  // still there to save once room is made
}

}  // namespace
}  // namespace zor06::settings
