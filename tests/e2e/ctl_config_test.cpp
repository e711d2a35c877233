// zor06ctl's clock and users commands against the simulated controller.
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

bool Has(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

class CtlConfig : public CtlFixture {
protected:
    std::vector<std::string> Link(std::vector<std::string> rest) const {
        rest.insert(rest.begin(), {"--tcp", endpoint});
        return rest;
    }
    // The demonstration controller's administrator.
    std::vector<std::string> Admin(std::vector<std::string> rest) const {
        rest.insert(rest.begin(), {"--password", "2222", "--id-code", "2"});
        return Link(rest);
    }
};

TEST_F(CtlConfig, ClockPrintsTheThreeClocksAndTheCorrection) {
    Start({"--now", "24-03-05 10:20:00", "--chromatograph-clock-offset", "-300"});
    const auto r = Ctl(Link({"clock"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "В контроллере\t05.03.24\t10:20:0")) << r.out;
    EXPECT_TRUE(Has(r.out, "\tВторник\tЗимнее\nВ ЭВМ\t")) << r.out;
    EXPECT_TRUE(Has(r.out, "В хроматографе\t05.03.24\t10:15:0")) << r.out;
    // The PC is years later, so the correction sets the controller on to its next hour.
    const auto at = r.out.find("Коррекция\t");
    ASSERT_NE(at, std::string::npos) << r.out;
    const int correction = std::stoi(r.out.substr(at + std::string("Коррекция\t").size()));
    EXPECT_GT(correction, 2380);
    EXPECT_LE(correction, 2400);

    const auto json = Ctl(Link({"clock", "--json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(Has(json.out, "\"label\": \"В хроматографе\"")) << json.out;
    EXPECT_TRUE(Has(json.out, "\"pcSyncAllowed\": true")) << json.out;
}

TEST_F(CtlConfig, SyncClockAsksThenCorrects) {
    Start({"--now", "24-03-05 10:20:00"});
    const auto declined = Ctl(Admin({"sync-clock"}));
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_TRUE(Has(declined.err, "Вы уверены, что часы ЭВМ показывают правильное время?"))
        << declined.err;

    const auto done = Ctl(Admin({"--yes", "sync-clock"}));
    ASSERT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, "Корректировка времени выполнена\n");
    const auto after = Ctl(Link({"clock"}));
    EXPECT_TRUE(Has(after.out, "В контроллере\t05.03.24\t11:00:0")) << after.out;
}

TEST_F(CtlConfig, SyncClockIsRefusedWhereTheControllerSaysNo) {
    Start();
    const auto unregistered = Ctl(Link({"--yes", "sync-clock"}));
    EXPECT_EQ(unregistered.exitCode, 1);
    EXPECT_TRUE(Has(unregistered.err, "Пользователь не зарегистрирован или неправильный пароль"))
        << unregistered.err;

    ASSERT_EQ(Ctl(Admin({"write-table", "6", "11", "00"})).exitCode, 0);
    const auto forbidden = Ctl(Admin({"--yes", "sync-clock"}));
    EXPECT_EQ(forbidden.exitCode, 1);
    EXPECT_TRUE(Has(forbidden.err, "Синхронизация времени контроллера с временем ЭВМ запрещена"))
        << forbidden.err;
    EXPECT_FALSE(Has(forbidden.err, "Вы уверены")) << forbidden.err;
}

TEST_F(CtlConfig, UsersListsNamesAndLevelsButNeverSecrets) {
    Start();
    const auto r = Ctl(Link({"users"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "1\tНАЛ\tПроизводитель-наладчик\n2\tАДМ\tАдминистратор\n3\tОПЕР\tОператор\n");
    const auto json = Ctl(Link({"users", "--json"}));
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_TRUE(Has(json.out, "{\"slot\": \"2\", \"name\": \"АДМ\", \"level\": \"2\"")) << json.out;
    for (const auto& out : {r.out, json.out}) {
        EXPECT_FALSE(Has(out, "2222") || Has(out, "4444")) << out;
    }
}

}  // namespace
}  // namespace zor06::test
