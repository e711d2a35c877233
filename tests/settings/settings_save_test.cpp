// Replacing a settings file keeps what the operator set up around it: its permissions, a symbolic
// link in its place, and no stray temporary file when the write fails.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "tests/settings/settings_test_support.h"

namespace zor06::settings {
namespace {

namespace fs = std::filesystem;

bool Save(const fs::path& path, std::string_view bytes, std::string* reason) {
    return SaveIniFile(path, IniFile::FromBytes(bytes), reason);
}

std::size_t EntriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(SettingsSaveTest, ReplacedFileKeepsItsPermissions) {
    test::TempDir dir;
    const auto path = dir.path() / "conn.ini";
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                                 fs::perms::owner_all | fs::perms::group_read}) {
        test::WriteBytes(path, "[S]\r\nk=1\r\n");
        fs::permissions(path, mode);
        std::string reason;
        ASSERT_TRUE(Save(path, "[S]\r\nk=2\r\n", &reason)) << reason;
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(test::ReadBytes(path), "[S]\r\nk=2\r\n");
    }
}

TEST(SettingsSaveTest, SymbolicLinkStaysAndItsTargetIsReplaced) {
    test::TempDir dir;
    fs::create_directory(dir.path() / "shared");
    const auto target = dir.path() / "shared" / "conn.ini";
    test::WriteBytes(target, "[S]\r\nk=1\r\n");
    const auto link = dir.path() / "conn.ini";
    fs::create_symlink(fs::path("shared") / "conn.ini", link);  // relative, as people make them
    const auto chained = dir.path() / "again.ini";
    fs::create_symlink(link, chained);

    std::string reason;
    ASSERT_TRUE(Save(chained, "[S]\r\nk=2\r\n", &reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(chained));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(target), "[S]\r\nk=2\r\n");
    EXPECT_EQ(EntriesIn(dir.path() / "shared"), 1U);
}

TEST(SettingsSaveTest, DanglingLinkGetsItsTargetCreated) {
    test::TempDir dir;
    const auto link = dir.path() / "conn.ini";
    fs::create_symlink(dir.path() / "real.ini", link);
    std::string reason;
    ASSERT_TRUE(Save(link, "[S]\r\n", &reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(dir.path() / "real.ini"), "[S]\r\n");
}

TEST(SettingsSaveTest, FailedReplacementLeavesNoTemporaryBehind) {
    test::TempDir dir;
    // A directory with something in it cannot be renamed over: the write gets as far as the
    // finished temporary file and fails only at the rename.
    const auto path = dir.path() / "conn.ini";
    fs::create_directory(path);
    test::WriteBytes(path / "inside", "x");
    std::string reason;
    EXPECT_FALSE(Save(path, "[S]\r\nk=2\r\n", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(EntriesIn(dir.path()), 1U);
    EXPECT_EQ(test::ReadBytes(path / "inside"), "x");
}

TEST(SettingsSaveTest, LinkLoopIsAnErrorNotAHang) {
    test::TempDir dir;
    fs::create_symlink(dir.path() / "b.ini", dir.path() / "a.ini");
    fs::create_symlink(dir.path() / "a.ini", dir.path() / "b.ini");
    std::string reason;
    EXPECT_FALSE(Save(dir.path() / "a.ini", "[S]\r\n", &reason));
    EXPECT_EQ(reason, std::error_code(ELOOP, std::generic_category()).message());
    EXPECT_EQ(EntriesIn(dir.path()), 2U);
}

}  // namespace
}  // namespace zor06::settings
