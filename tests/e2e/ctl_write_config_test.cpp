// zor06ctl write-config against a simulated controller with destroyed tables.
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "config/config_file.h"
#include "tests/e2e/ctl_fixture.h"
#include "tests/e2e/demo_configuration.h"
#include "zor06-sim/access.h"

namespace zor06::test {
namespace {

bool Has(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

class CtlWriteConfig : public CtlFixture {
protected:
    void SetUp() override {
        Start({"--destroyed", "2", "--destroyed", "4", "--destroyed", "6", "--destroyed", "18"});
    }
    // The demonstration users, sixteen flow computers, and `change` on top.
    std::string File(const std::function<void(config::ConfigBuffer&)>& change = {}) {
        config::ConfigBuffer b = DemoConfiguration();
        if (change) {
            change(b);
        }
        const auto path =
            std::filesystem::path(::testing::TempDir()) /
            ("ctl-" + std::to_string(::getpid()) + "-" + std::to_string(files_++) + ".cnf");
        RecordingOperator op;
        EXPECT_TRUE(config::WriteConfigFile(path, b, op));
        return path.string();
    }
    ProcessResult Write(std::vector<std::string> rest) {
        rest.insert(rest.begin(), {"--tcp", endpoint, "--password", "2222", "--id-code", "2",
                                   "--first-byte-timeout", "1000", "write-config"});
        return Ctl(rest);
    }
    std::string Read(const std::string& table, const std::string& first) {
        return Ctl({"--tcp", endpoint, "read-table", table, first, "1"}).out;
    }
    int files_ = 0;
};

TEST_F(CtlWriteConfig, AllTablesRepairTheController) {
    const auto r = Write({File(), "--yes"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "Записано таблиц: 20")) << r.out;
    EXPECT_TRUE(Has(r.err, "В контроллер будет записано время ЭВМ.")) << r.err;
    EXPECT_EQ(Read("0", "0"), "0.0 00\n");
    EXPECT_EQ(Read("6", "3"), "6.3 07\n");
    EXPECT_EQ(Read("18", "15"), "18.15 10\n");
}

TEST_F(CtlWriteConfig, RefusalsWriteNothing) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* said;
    } cases[] = {
        {{File([](auto& b) { b.Part(config::part::kChromatograph)[0] = 0; }), "--yes"},
         1,
         "Неверно задан адрес хроматографа"},
        {{File([](auto& b) { b.Part(config::part::kFlowLine)[0] = 0; }), "--yes"},
         1,
         "Неверно задано количество вычислителей РГ"},
        {{File([](auto& b) { b.Part(config::part::kFlowLine)[0] = 17; }), "--tables", "9"},
         1,
         "Неверно задано количество вычислителей РГ"},
        {{File(), "--tables", "6,7"}, 2, "not a writable table: 7"},
        {{File(), "--tables", "6,"}, 2, "an empty table number"},
        {{File(), "--tables", "2,6"}, 1, "Время контроллера не записано"},  // no --yes
    };
    for (const auto& c : cases) {
        const auto r = Write(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.said;
        EXPECT_TRUE(Has(r.err, c.said)) << r.err;
        EXPECT_EQ(Read("0", "0"), "0.0 02\n") << c.said;
        EXPECT_EQ(Read("9", "0"), "9.0 01\n") << c.said;
    }
}

TEST_F(CtlWriteConfig, ChosenTablesAndTheOnesLeftDestroyed) {
    const auto r = Write({File(), "--tables", "6,18"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Has(r.out, "Записано таблиц: 2")) << r.out;
    EXPECT_TRUE(Has(r.err, "Разрушена таблица № 2")) << r.err;
    EXPECT_EQ(Read("6", "3"), "6.3 07\n");
    EXPECT_EQ(Read("18", "15"), "18.15 10\n");
    const auto users = Ctl({"--tcp", endpoint, "read-table", "4", "0", "1"});
    EXPECT_EQ(users.exitCode, 1);
    EXPECT_TRUE(Has(users.err, "Разрушена таблица 4")) << users.err;
}

}  // namespace
}  // namespace zor06::test
