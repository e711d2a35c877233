// Identification of the simulated controller through zor06ctl: accepted, and each refusal.
#include "tests/e2e/sim_link.h"
#include "tests/support/run_process.h"

namespace zor06::test {
namespace {

ProcessResult Identify(const std::vector<std::string>& simArgs, bool json = false) {
    std::vector<std::string> args{"--tcp", "127.0.0.1:0"};
    args.insert(args.end(), simArgs.begin(), simArgs.end());
    SimProcess sim(ZOR06_SIM_PATH, args);
    if (!sim.Started()) {
        ADD_FAILURE() << sim.Error();
        return {};
    }
    std::vector<std::string> ctl{"--tcp", "127.0.0.1:" + std::to_string(sim.TcpPort()),
                                 "--first-byte-timeout", "500", "identify"};
    if (json) {
        ctl.push_back("--json");
    }
    return RunProcess(ZOR06_CTL_PATH, ctl);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Identify, PrintsTheIdentificationScreen) {
    const auto r = Identify({"--cp866"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Код типа контроллера: 73\n"));
    EXPECT_TRUE(Contains(r.out, "Дата создания ПО: 05.03.19  10:00:00\n"));
    EXPECT_TRUE(Contains(r.out, "Возможность изменения адреса контроллера: Есть\n"));
    EXPECT_TRUE(Contains(r.out, "Наличие разрушенных таблиц: Разрушенных таблиц нет\n"));
    // Names kept in code page 866 by the controller come out right.
    EXPECT_TRUE(Contains(r.out, "Нитка 1: Нитка 1\nНитка 2: Нитка 2\n")) << r.out;

    const auto json = Identify({}, true);
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(json.out.front(), '{');
    EXPECT_TRUE(Contains(json.out, "\"Код типа контроллера\": \"73\""));
}

TEST(Identify, RefusesAnotherTypeOrVersion) {
    const auto type = Identify({"--type", "72"});
    EXPECT_EQ(type.exitCode, 1);
    EXPECT_TRUE(Contains(type.err,
                         "Код типа подключенного контроллера  72\n"
                         "Программа обслуживает контроллеры ЗОР_06\n"))
        << type.err;

    const auto version = Identify({"--version", "5"});
    EXPECT_EQ(version.exitCode, 1);
    EXPECT_TRUE(Contains(version.err,
                         "Версия ПО подключенного контроллера 5\n"
                         "Программа обслуживает контроллеры ЗОР_06 только с "
                         "версией ПО 06\n"))
        << version.err;
}

TEST(Identify, RefusesAnotherChromatograph) {
    const auto r = Identify({"--chromatograph-type", "4"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(Contains(r.err, "Код подключенного равен 4.\nДолжен быть 3 (Encal3000)\n"))
        << r.err;
    EXPECT_TRUE(Contains(r.err,
                         "Не прочитаны данные, для организации\n"
                         "дальнейшего обмена с устройством\n"));
}

TEST(Identify, ADestroyedNameTableFallsBackToTheDefaultNames) {
    const auto r = Identify({"--destroyed", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Наличие разрушенных таблиц: Разрушена таблица 5\n"));
    EXPECT_TRUE(Contains(r.out, "Наименование контроллера: Контроллер ЗОР_06\n")) << r.out;
    EXPECT_TRUE(Contains(r.err, "Команда 1.  Разрушена таблица 5\n")) << r.err;
}

}  // namespace
}  // namespace zor06::test
