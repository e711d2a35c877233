// The Hayes dialogue against a scripted modem on a fake clock.
#include <map>
#include <string>
#include <vector>

#include "link/at_command.h"
#include "link/call_duration.h"
#include "link/dial_number.h"
#include "link/modem_call.h"
#include "link/modem_dialogue.h"
#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using link::ModemResult;
using platform::Millis;

const std::string kOk = "\r\nOK\r\n";
const std::string kSilent;

// Presses Esc at the given pump of the event loop once the dialogue counts as a long operation.
class EscOperator : public RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        if (eventPumps == escAtPump) {
            RequestInterrupt();
        }
    }
    int escAtPump = -1;
};

class ModemTest : public LinkTest {
protected:
    // A modem that answers each command after 10 ms: from `answers` when listed there, else as a
    // willing GSM modem would; an empty answer is no answer at all.
    ScriptedChannel& Modem(std::map<std::string, std::string> answers) {
        return Connect([this, answers](const Bytes& sent) -> std::vector<Chunk> {
            const std::string command(sent.begin(), sent.end());
            sentAt.push_back(clock.Elapsed());
            const auto listed = answers.find(command);
            const std::string reply = listed != answers.end()      ? listed->second
                                      : command == "AT+CPAS\r"     ? "\r\n+CPAS: 0\r\n" + kOk
                                      : command.starts_with("ATD") ? "\r\nCONNECT 9600\r\n"
                                                                   : kOk;
            if (reply.empty()) {
                return {};
            }
            return {At(10, Bytes(reply.begin(), reply.end()))};
        });
    }
    ModemResult Dial(std::string_view commandText = "", int attempts = 1, int waitS = 50) {
        port.emplace(link::ModemPort{*link.Channel(), clock, &op});
        return link::Dial(*port, {"123", commandText, attempts, waitS});
    }
    std::vector<std::string> Sent(const ScriptedChannel& channel) const {
        std::vector<std::string> sent;
        for (const Bytes& t : channel.transmissions) {
            sent.emplace_back(t.begin(), t.end());
        }
        return sent;
    }
    EscOperator op;
    std::optional<link::ModemPort> port;
    std::vector<platform::Duration> sentAt;
};

TEST_F(ModemTest, EveryResultOfTheDialReply) {
    const struct {
        std::string reply;
        ModemResult result;
    } cases[] = {
        {"\r\nCONNECT 9600\r\n", ModemResult::Connected},
        {"\r\nNO DIALTONE\r\n", ModemResult::NoDialTone},
        {"\r\nNO DAILTONE\r\n", ModemResult::NoDialTone},
        {"\r\nBUSY\r\n", ModemResult::Busy},
        {"\r\nbusy\r\n", ModemResult::Busy},
        {"\r\nNO CARRIER\r\n", ModemResult::NoCarrier},
        {"\r\nERROR\r\n", ModemResult::Error},
        {"\r\nNO ANSWER\r\n", ModemResult::NoAnswer},
        {"\r\nTime out\r\n", ModemResult::TimeLimit},
        {kOk, ModemResult::NotConnected},
        {kSilent, ModemResult::NoReply},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        Modem({{"ATD123\r", c.reply}});
        EXPECT_EQ(Dial("", 1, 3), c.result);
    }
}

TEST_F(ModemTest, FailuresBeforeTheDial) {
    const struct {
        std::map<std::string, std::string> answers;
        ModemResult result;
    } cases[] = {
        {{{"AT&F\r", "\r\nERROR\r\n"}}, ModemResult::Error},
        {{{"AT&F\r", "\r\nREADY\r\n"}}, ModemResult::NotConnected},
        {{{"AT+CPAS\r", "\r\n+CPAS: 3\r\n" + kOk}}, ModemResult::GsmNotReady},
        {{{"AT+CPAS\r", "\r\nERROR\r\n"}}, ModemResult::GsmNotReady},
        {{{"AT+CPAS\r", kSilent}}, ModemResult::GsmNotReady},
        {{{"ATE0\r", kSilent}, {"+++", kSilent}}, ModemResult::NoModem},
        {{{"ATE0\r", "\r\nNO CARRIER\r\n"}}, ModemResult::NoCarrier},
    };
    for (const auto& c : cases) {
        Modem(c.answers);
        EXPECT_EQ(Dial("AT&F"), c.result) << c.answers.begin()->first;
    }
    EXPECT_EQ(link::ModemResultText(ModemResult::GsmNotReady), "Нет готовности GSM");
}

TEST_F(ModemTest, DialsTheCommandsInOrderAndShowsTheDialogue) {
    ScriptedChannel& modem = Modem({});
    port.emplace(link::ModemPort{*link.Channel(), clock, &op});
    EXPECT_EQ(link::Dial(*port, {"8 (012) 345-67-89", "AT&F^ATS0=0", 1, 50}),
              ModemResult::Connected);
    EXPECT_EQ(Sent(modem), (std::vector<std::string>{"ATE0\r", "ATV1\r", "AT&F\r", "ATS0=0\r",
                                                     "AT+CPAS\r", "ATD80123456789\r"}));
    EXPECT_GE(sentAt[2] - sentAt[1], Millis(2000));  // the modem settles after the init
    EXPECT_GE(sentAt[3] - sentAt[2], Millis(200));
    EXPECT_EQ(op.status[2], "Связь по телефону. Команда ATD80123456789; Ответ CONNECT 9600");
    EXPECT_FALSE(op.InLongOperation());
}

TEST_F(ModemTest, ModemInAConnectionIsCalledBackWithGuardTimes) {
    ScriptedChannel& modem = Connect(InTurn({{},
                                             {At(1000, Bytes{'\r', '\n', 'O', 'K', '\r'})},
                                             {At(10, Bytes{'\r', '\n', 'O', 'K', '\r'})}}));
    link::ModemPort line{modem, clock, &op};
    EXPECT_EQ(link::ModemInit(line), ModemResult::Connected);
    EXPECT_EQ(Sent(modem), (std::vector<std::string>{"ATE0\r", "+++", "ATE0\r"}));
    // ATE0 waited 5 s, each "+++" is framed by 1.2 s of silence on our side.
    EXPECT_EQ(clock.Elapsed(), Millis(2 + 5000 + 1200 + 2 + 1000 + 1200 + 2 + 10));
}

TEST_F(ModemTest, SilentModemIsAbsentAfterTheEscapeWait) {
    Modem({{"ATE0\r", kSilent}, {"+++", kSilent}});
    EXPECT_EQ(Dial(), ModemResult::NoModem);
    EXPECT_EQ(clock.Elapsed(), Millis(2 + 5000 + 1200 + 2 + 5000));
}

TEST_F(ModemTest, ReplyLinesAreCutAtTheirEnd) {
    const struct {
        std::string arriving;
        std::string reply;
    } cases[] = {
        {"ATE0\r\r\nOK\r\n", "\r\r\nOK\r"},  // the echo before the first line end is skipped
        {"\r\nOK\r\n", "\r\nOK\r"},
        {"\r\n0\r", "\r\n0\r"},
        {"\r" + std::string(300, 'x'), "\r" + std::string(254, 'x')},
    };
    for (const auto& c : cases) {
        // One byte at a time, as a slow line delivers them.
        std::vector<Chunk> chunks;
        for (char ch : c.arriving) {
            chunks.push_back(At(1, Bytes{static_cast<std::uint8_t>(ch)}));
        }
        ScriptedChannel& modem = Connect(Always(chunks));
        link::ModemPort line{modem, clock, &op};
        const link::AtReply reply = link::SendAtCommand(line, "AT\r", 5000, false);
        EXPECT_EQ(reply.text, c.reply);
        EXPECT_EQ(reply.result, ModemResult::Connected);
    }
}

TEST_F(ModemTest, EscEndsAWaitAtOnce) {
    Modem({{"ATD123\r", kSilent}});
    op.escAtPump = 40;
    EXPECT_EQ(Dial(), ModemResult::Interrupted);
    EXPECT_LT(clock.Elapsed(), Millis(10'000));  // far from the 50 s of the dial wait
    EXPECT_FALSE(op.Interrupted());
    EXPECT_FALSE(op.InLongOperation());
}

TEST_F(ModemTest, HangUpEscapesAndHangsUpWhateverTheModemSays) {
    ScriptedChannel& modem = Modem({{"+++", kSilent}, {"ath\r", kSilent}});
    link::HangUp(modem, clock);
    EXPECT_EQ(Sent(modem), (std::vector<std::string>{"+++", "ath\r"}));
    EXPECT_EQ(sentAt[0], Millis(1000 + 2));
    EXPECT_EQ(clock.Elapsed(), Millis(1000 + 2 + 2000 + 2 + 2000));
}

TEST_F(ModemTest, DialStepAsksToRetryWithTheResultText) {
    int dials = 0;
    Connect([&](const Bytes& sent) -> std::vector<Chunk> {
        const std::string command(sent.begin(), sent.end());
        std::string reply = command == "AT+CPAS\r" ? "\r\n+CPAS: 0\r\n" + kOk : kOk;
        if (command.starts_with("ATD")) {
            reply = ++dials == 1 ? "\r\nNO DIALTONE\r\n" : "\r\nCONNECT\r\n";
        }
        return {At(10, Bytes(reply.begin(), reply.end()))};
    });
    op.answers = {true};
    EXPECT_TRUE(link::DialSubscriber(link, {"123", "", 1, 50}, op, clock));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Question);
    EXPECT_EQ(op.messages[0].text1, "Отсутствует сигнал АТС");
    EXPECT_EQ(op.messages[0].text2, "Повторить попытку соединения?");
    EXPECT_EQ(dials, 2);
    EXPECT_EQ(op.status[2], "");
    EXPECT_EQ(op.busyDepth, 0);
}

TEST(ModemCommandText, SplitsAtCommandsAndCleansTheNumber) {
    const struct {
        std::string text;
        std::vector<std::string> commands;
    } cases[] = {
        {"AT&F^ATS0=0", {"AT&F\r", "ATS0=0\r"}},
        {"junk at&f ^ xx ^aTZ", {"at&f \r", "aTZ\r"}},
        {"", {}},
        {"A T^", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(link::SplitModemCommands(c.text), c.commands) << c.text;
    }
    EXPECT_EQ(link::DialCommand("8 (012) 345-67-89"), "ATD80123456789\r");
}

TEST(CallDuration, HoursMinutesAndSeconds) {
    using std::chrono::seconds;
    EXPECT_EQ(link::CallDurationText(seconds(0)), "00:00:00");
    EXPECT_EQ(link::CallDurationText(seconds(3600 + 2 * 60 + 5)), "01:02:05");
    EXPECT_EQ(link::CallDurationText(seconds(100 * 3600 + 59)), "100:00:59");
}

}  // namespace
}  // namespace zor06::test
