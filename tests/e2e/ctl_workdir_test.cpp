// zor06ctl taking its link from the settings of a work directory, as the desktop program keeps
// them.
#include <filesystem>

#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "tests/e2e/sim_link.h"
#include "tests/support/run_process.h"

namespace zor06::test {
namespace {

class CtlWorkDir : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("zor06-workdir-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::string error;
        ASSERT_TRUE(settings::PrepareWorkDir(dir, &error)) << error;
        settings::LoadSettings(program, settings::IniDir(dir), {1280, 1024}, 46000.0);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void Save() {
        ASSERT_TRUE(settings::SaveLinkSettings(program, settings::IniDir(dir), op));
        ASSERT_TRUE(settings::SaveEthernetList(program, settings::IniDir(dir), op));
    }
    ProcessResult Identify() {
        return RunProcess(ZOR06_CTL_PATH, {"--workdir", dir.string(), "identify"});
    }
    std::filesystem::path dir;
    settings::ProgramSettings program;
    RecordingOperator op;
};

TEST_F(CtlWorkDir, UsesTheCurrentEthernetSubscriber) {
    SimProcess sim(ZOR06_SIM_PATH, {"--tcp", "127.0.0.1:0", "--address", "7"});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    program.link.linkKind = 2;
    program.link.ethernet.record.firstByteTimeoutMs = 1000;
    settings::EthernetEntry far{"Дальняя ГРС", 3, (10u << 24) | 1, 4001};
    settings::EthernetEntry local{"Ближняя ГРС", 7, (127u << 24) | 1, sim.TcpPort()};
    program.ethernet.entries = {far, local};
    program.ethernet.current = 1;
    Save();
    const auto r = Identify();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Код типа контроллера: 73"), std::string::npos);
}

TEST_F(CtlWorkDir, UsesTheDirectLineDevice) {
    SimProcess sim(ZOR06_SIM_PATH, {"--pty"});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    program.link.linkKind = 0;
    program.link.direct.portName = sim.PtyPath();
    program.link.direct.firstByteTimeoutMs = 1000;
    Save();
    const auto r = Identify();
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Нитка 2: Нитка 2"), std::string::npos);
}

TEST_F(CtlWorkDir, DialsTheCurrentTelephoneSubscriber) {
    SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--modem"});
    ASSERT_TRUE(sim.Started()) << sim.Error();
    program.link.linkKind = 1;
    program.link.phone.record.portName = sim.PtyPath();
    program.link.phone.record.firstByteTimeoutMs = 1000;
    program.link.phone.command = "AT&F";
    program.phones.entries = {{"ГРС Лесная", 1, 1, "8 (012) 345-67-89"}};
    Save();
    ASSERT_TRUE(settings::SavePhoneList(program, settings::IniDir(dir), op));
    const auto r = RunProcess(ZOR06_CTL_PATH, {"--workdir", dir.string(), "--verbose", "identify"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Команда ATD80123456789; Ответ CONNECT"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("Код типа контроллера: 73"), std::string::npos);
}

TEST_F(CtlWorkDir, AnEmptySubscriberListIsReported) {
    program.link.linkKind = 2;
    Save();
    const auto r = Identify();
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Введены не все параметры"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace zor06::test
