// zor06ctl status and functions against the simulator's current state.
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

using CtlStatusTest = CtlFixture;

const std::string kChromatograph = "Нештатные ситуации, связанные с опросом хроматографа\t";
const std::string kChromatographLink = "Наличие связи с хроматографом\t";
const std::string kMoisture = "Нештатные ситуации, связанные с опросом влагомера\t";
const std::string kMoistureLink = "Наличие связи с влагомером\t";
const std::string kFlow = "Нештатные ситуации, связанные с обменом с вычислителями РГ\t";
const std::string kSelf = "Нештатные ситуации, связанные с самодиагностикой\t";
const std::string kRuns = "Нитка 1 хроматографа\tНет\nНитка 2 хроматографа\tНет\n";
const std::string kChanged =
    "Дата и время последнего изменения признаков нештатных ситуаций\t09.03.26  07:05:04\n";
const std::string kFlowHeading =
    "Адрес вычислителя РГ\tНаличие связи\tСостояние процесса записи параметров\n";

std::string Rows(int from, int to) {
    std::string rows;
    for (int i = from; i <= to; ++i) {
        rows += std::to_string(i) + "\tЕсть\tЗаписываются\n";
    }
    return rows;
}

TEST_F(CtlStatusTest, StatusPrintsTheFilledLinesThenTheFlowComputers) {
    struct Case {
        std::vector<std::string> simArgs;
        std::string out;
    };
    const Case cases[] = {
        {{},
         kChromatograph + "Норма\n" + kChromatographLink + "Норма\n" + kFlow + "Норма\n" + kSelf +
             "Норма\n" + kRuns + kChanged + kFlowHeading + Rows(1, 1)},
        {{"--moisture-meter", "--chromatograph-error", "12", "--no-moisture-link",
          "--flow-computers", "3", "--flow-computer-offline", "2", "--flow-exchange-fault"},
         kChromatograph + "Код ошибки 12\n" + kChromatographLink + "Норма\n" + kMoisture +
             "Норма\n" + kMoistureLink + "Связи нет\n" + kFlow + "Есть\n" + kSelf + "Норма\n" +
             kRuns + kChanged + kFlowHeading + Rows(1, 1) + "2\tНет\tНе записываются\n" +
             Rows(3, 3)},
        {{"--flow-computers", "0", "--self-diagnostics-fault", "--abnormal-runs", "1",
          "--no-chromatograph-link"},
         kChromatograph + "Норма\n" + kChromatographLink + "Связи нет\n" + kSelf + "Есть\n" +
             "Нитка 1 хроматографа\tЕсть\nНитка 2 хроматографа\tНет\n" + kChanged},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.simArgs;
        args.insert(args.end(), {"--now", "26-03-09 07:30:04"});
        Start(args);
        const auto r = Ctl({"--tcp", endpoint, "status"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(CtlStatusTest, StatusJsonMarksTheAbnormalValues) {
    Start({"--chromatograph-error", "7", "--flow-computers", "2", "--flow-computer-offline", "2"});
    const auto r = Ctl({"--tcp", endpoint, "status", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* part :
         {"{\"state\": [{\"label\": \"Нештатные ситуации, связанные с опросом хроматографа\", "
          "\"value\": {\"text\": \"Код ошибки 7\", \"abnormal\": true}}, {\"label\": "
          "\"Наличие связи с хроматографом\", \"value\": {\"text\": \"Норма\", \"abnormal\": "
          "false}}",
          "\"flowComputers\": [{\"address\": 1, \"link\": {\"text\": \"Есть\", \"abnormal\": "
          "false}, \"writing\": {\"text\": \"Записываются\", \"abnormal\": false}}, "
          "{\"address\": 2, \"link\": {\"text\": \"Нет\", \"abnormal\": true}, \"writing\": "
          "{\"text\": \"Не записываются\", \"abnormal\": true}}]}\n"}) {
        EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
    }
}

TEST_F(CtlStatusTest, FunctionsPrintsBothRows) {
    struct Case {
        const char* functions;
        const char* out;
    };
    for (const Case& c : {Case{"3",
                               " Автоматический переход на зимнее/летнее время\tВозможно\n"
                               " Обмен данными с вычислителями расхода газа (РГ)\tВозможно\n"},
                          Case{"1",
                               " Автоматический переход на зимнее/летнее время\tВозможно\n"
                               " Обмен данными с вычислителями расхода газа (РГ)\tНевозможно\n"}}) {
        Start({"--functions", c.functions});
        const auto r = Ctl({"--tcp", endpoint, "functions"});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(CtlStatusTest, UnansweredReadsExitWithOne) {
    Start({"--silent"});
    for (const char* command : {"status", "functions"}) {
        const auto r = Ctl({"--tcp", endpoint, "--first-byte-timeout", "200", command});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_NE(r.err.find("Не выполнено чтение из таблицы"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(Ctl({"--tcp", endpoint, "status", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace zor06::test
