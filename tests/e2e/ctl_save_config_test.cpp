// zor06ctl save-config against the simulated controller: the file, its name and place, and a
// saved configuration written back into a controller that lost a table.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CtlSaveConfig : public CtlFixture {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    std::vector<std::string> Link(std::vector<std::string> rest) const {
        rest.insert(rest.begin(), {"--tcp", endpoint});
        return rest;
    }
    fs::path dir_ = fs::path(::testing::TempDir()) / ("zor06-save-" + std::to_string(::getpid()));
};

TEST_F(CtlSaveConfig, WritesTheControllersTablesForTheOwnerOnly) {
    Start();
    const fs::path named = dir_ / "station";
    const auto r = Ctl(Link({"save-config", named.string()}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, named.string() + ".cnf\n");
    const std::string bytes = Contents(named.string() + ".cnf");
    ASSERT_EQ(bytes.size(), 2645U);
    EXPECT_EQ(bytes[0], 1);  // the identification was read from a controller
    EXPECT_EQ(bytes.substr(29, 6), "\xC7\xCE\xD0_06");  // "ЗОР_06" in Windows-1251
    struct stat st {};
    ASSERT_EQ(::stat((named.string() + ".cnf").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600U);
    // The moisture meter's link as the controller holds it.
    const auto moisture = Ctl(Link({"read-table", "15", "0", "1"}));
    ASSERT_EQ(moisture.exitCode, 0) << moisture.err;
    char expected[16];
    std::snprintf(expected, sizeof expected, "15.0 %02X\n", static_cast<unsigned char>(bytes[385]));
    EXPECT_EQ(moisture.out, expected);
}

TEST_F(CtlSaveConfig, WithoutAFileTakesTheProposedNameInTheWorkDirectory) {
    Start();
    const auto r = Ctl(Link({"--workdir", dir_.string(), "save-config"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const fs::path path = r.out.substr(0, r.out.size() - 1);
    EXPECT_EQ(path.parent_path(), dir_ / "CONFIG");
    EXPECT_EQ(path.filename().string().rfind("zor_06-ЗОР_06 ГРС Лесная-", 0), 0U) << path;
    EXPECT_EQ(fs::file_size(path), 2645U);
}

TEST_F(CtlSaveConfig, AnExistingFileIsReplacedOnlyWithYes) {
    Start();
    const fs::path existing = dir_ / "old.cnf";
    std::ofstream(existing) << "keep";
    const auto refused = Ctl(Link({"save-config", existing.string()}));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(Contents(existing), "keep");
    const auto replaced = Ctl(Link({"--yes", "save-config", existing.string()}));
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_EQ(fs::file_size(existing), 2645U);
}

TEST_F(CtlSaveConfig, ASavedConfigurationRestoresADestroyedTable) {
    Start();
    const fs::path file = dir_ / "saved.cnf";
    ASSERT_EQ(Ctl(Link({"save-config", file.string()})).exitCode, 0);
    sim.reset();
    Start({"--destroyed", "6"});
    const auto r = Ctl(Link(
        {"--password", "2222", "--id-code", "2", "write-config", file.string(), "--tables", "6"}));
    ASSERT_EQ(r.exitCode, 0) << r.err << r.out;
    EXPECT_EQ(Ctl(Link({"read-table", "0", "0", "1"})).out, "0.0 00\n");
}

}  // namespace
}  // namespace zor06::test
