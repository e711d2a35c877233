// The work directory and the links the settings give a front end without the connection dialog.
#include "settings/work_dir.h"

#include <gtest/gtest.h>

#include "settings/link_targets.h"
#include "tests/settings/settings_test_support.h"

namespace zor06::settings {
namespace {

TEST(WorkDirTest, CreatesTheDirectoryAndEverySubdirectory) {
    test::TempDir temp;
    const auto requested = temp.path() / "a" / "b";
    std::string error;
    for (int run = 0; run < 2; ++run) {  // the second run finds them all there
        const auto dir = PrepareWorkDir(requested, &error);
        ASSERT_TRUE(dir) << error;
        EXPECT_EQ(*dir, requested);
        for (const char* sub : kWorkSubdirs) {
            EXPECT_TRUE(std::filesystem::is_directory(requested / sub)) << sub;
        }
    }
}

TEST(WorkDirTest, ReportsWhatCannotBeCreated) {
    test::TempDir temp;
    test::WriteBytes(temp.path() / "INI", "");
    std::string error;
    EXPECT_FALSE(PrepareWorkDir(temp.path() / "INI" / "x", &error));
    EXPECT_NE(error.find("INI"), std::string::npos) << error;

    const auto dir = temp.path() / "w";
    std::filesystem::create_directories(dir);
    test::WriteBytes(dir / "REPORT", "");
    EXPECT_FALSE(PrepareWorkDir(dir, &error));
    EXPECT_NE(error.find("REPORT"), std::string::npos) << error;
}

TEST(WorkDirTest, DefaultFollowsXdgThenHome) {
    EXPECT_EQ(DefaultWorkDir("/data", "/home/op"), std::filesystem::path("/data/zor06"));
    EXPECT_EQ(DefaultWorkDir("relative", "/home/op"),
              std::filesystem::path("/home/op/.local/share/zor06"));
    EXPECT_EQ(DefaultWorkDir(nullptr, "/home/op"),
              std::filesystem::path("/home/op/.local/share/zor06"));
    EXPECT_FALSE(DefaultWorkDir(nullptr, nullptr));
}

TEST(LinkTargetsTest, CurrentEthernetSubscriberAfterSorting) {
    ProgramSettings settings;
    settings.link.ethernet.connectWaitS = 20;
    settings.ethernet.sorting = 1;
    settings.ethernet.entries = {{"Второй", 9, 0xC0A8000AU, 4001}, {"Первый", 1, 0x0A000001U, 502}};
    settings.ethernet.current = 0;
    const EthernetLink link = CurrentEthernetLink(settings);
    ASSERT_TRUE(link.subscriber);
    EXPECT_EQ(link.subscriber->name, "Второй");
    EXPECT_EQ(link.subscriber->ip, (std::array<std::uint8_t, 4>{192, 168, 0, 10}));
    EXPECT_EQ(link.subscriber->port, 4001);
    EXPECT_EQ(link.subscriber->address, 9);
    EXPECT_EQ(link.settings.connectWaitS, 20);

    settings.ethernet.entries.clear();
    EXPECT_FALSE(CurrentEthernetLink(settings).subscriber);
}

TEST(LinkTargetsTest, EachKindGetsItsRecordAndOnlyTheDirectLineReleasesThePort) {
    LinkSettings settings;
    settings.direct.portName = "/dev/ttyUSB0";
    settings.direct.comPort = 3;
    settings.direct.firstByteTimeoutMs = 120000;
    settings.phone.record.address = 9;
    settings.ethernet.record.interByteTimeoutMs = 900;
    settings.portWaitS = 4;
    settings.closePort = true;

    const link::LinkParameters direct = LinkParametersFor(settings, link::LinkKind::Direct);
    EXPECT_EQ(direct.portName, "/dev/ttyUSB0");
    EXPECT_EQ(direct.comPort, 3);
    EXPECT_EQ(direct.firstByteTimeoutMs, 120000);
    EXPECT_EQ(direct.portWaitS, 4);
    EXPECT_TRUE(direct.closePortAfterExchange);

    const link::LinkParameters phone = LinkParametersFor(settings, link::LinkKind::Telephone);
    EXPECT_EQ(phone.linkKind, link::LinkKind::Telephone);
    EXPECT_EQ(phone.address, 9);
    EXPECT_EQ(phone.firstByteTimeoutMs, 6000);
    EXPECT_FALSE(phone.closePortAfterExchange);

    const link::LinkParameters ethernet = LinkParametersFor(settings, link::LinkKind::Ethernet);
    EXPECT_EQ(ethernet.interByteTimeoutMs, 900);
    EXPECT_FALSE(ethernet.closePortAfterExchange);
}

}  // namespace
}  // namespace zor06::settings
