// A whole telephone call over a pseudo-terminal to the simulator's modem front end.
#include "link/modem_call.h"
#include "link/at_command.h"
#include "link/modem_dialogue.h"
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

class ModemCall : public ::testing::Test {
protected:
    void Start(std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--pty", "--modem"});
        sim = std::make_unique<SimProcess>(ZOR06_SIM_PATH, args);
        ASSERT_TRUE(sim->Started()) << sim->Error();
    }
    std::unique_ptr<SimProcess> sim;
};

TEST_F(ModemCall, DialsReadsAndHangsUp) {
    Start();
    link::hgcbox link;
    ASSERT_TRUE(OpenPtyAsAdministrator(link, *sim));
    link.linkKind = link::LinkKind::Telephone;
    RecordingOperator op;
    ASSERT_TRUE(link::DialSubscriber(link, {"8 (012) 345-67-89", "AT&F^ATS0=0"}, op));
    ASSERT_TRUE(ReadFields(link, 0, 0, 18)) << link.StatusText();
    EXPECT_EQ(link.replyFrame[8 + 1], 73);

    link::HangUp(*link.Channel(), platform::SystemClock());
    // Back in command mode: the modem answers, the controller no longer does.
    link::ModemPort port{*link.Channel(), platform::SystemClock(), nullptr};
    EXPECT_NE(link::SendAtCommand(port, "AT\r", 2000, false).text.find("OK"), std::string::npos);
    link.firstByteTimeoutMs = 300;
    EXPECT_FALSE(ReadFields(link, 0, 0, 1));
}

TEST_F(ModemCall, ZorctlDialsBeforeTheCommand) {
    Start();
    const ProcessResult r = Ctl({"--serial", sim->PtyPath(), "--phone", "123", "--modem-command",
                                 "AT&F", "read-table", "0", "1", "1"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "0.1 49\n");
}

TEST_F(ModemCall, ZorctlShowsTheDialResult) {
    const struct {
        std::vector<std::string> sim;
        std::string text;
        std::string answers;  // to "Повторить попытку соединения?"
    } cases[] = {
        {{"--modem-result", "BUSY"}, "Номер абонента занят", "Да\nНомер абонента занят"},
        {{"--modem-result", "NO DIALTONE"}, "Отсутствует сигнал АТС", "Нет"},
        {{"--modem-cpas", "3"}, "Нет готовности GSM", "Нет"},
    };
    for (const auto& c : cases) {
        Start(c.sim);
        // --yes dials again at most --retries times.
        const ProcessResult r = Ctl({"--serial", sim->PtyPath(), "--phone", "123", "--yes",
                                     "--retries", c.answers == "Нет" ? "0" : "1", "identify"});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find(c.text + "\nПовторить попытку соединения?\n" + c.answers),
                  std::string::npos)
            << r.err;
    }
}

TEST(ModemCallUsage, PhoneNeedsASerialLine) {
    EXPECT_EQ(Ctl({"--tcp", "127.0.0.1:1", "--phone", "1", "identify"}).exitCode, 2);
    EXPECT_EQ(Ctl({"--serial", "/dev/null", "--modem-command", "ATZ", "identify"}).exitCode, 2);
}

}  // namespace
}  // namespace zor06::test
