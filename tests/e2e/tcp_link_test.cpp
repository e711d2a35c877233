// The link object against the simulated controller over a real loopback socket.
#include <functional>

#include "link/link_texts.h"
#include "tables/table_service.h"
#include "tests/e2e/sim_link.h"

namespace zor06::test {
namespace {

using namespace link::status;

TEST(TcpLink, ReadsTheIdentificationTable) {
    SimOverTcp sim({});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));
    ASSERT_TRUE(ReadFields(link, 0, 0, 18));
    EXPECT_EQ(link.replyFrame[2], 8 + 18 + 2);
    EXPECT_EQ(link.replyFrame[8 + 1], 73);
    EXPECT_EQ(link.replyFrame[8 + 3], 6);
}

TEST(TcpLink, SurvivesNoiseAndAReplySplitAcrossSegments) {
    SimOverTcp sim({"--noise", "40", "--gap", "30", "--seed", "7"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link, 1, 200));
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(ReadFields(link, 5, 0, 3)) << link.StatusText();
    }
}

TEST(TcpLink, AGapBeyondTheInterByteTimeoutCutsTheReply) {
    SimOverTcp sim({"--gap", "300"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link, 1, 60));
    EXPECT_FALSE(ReadFields(link, 0, 0, 18));
    EXPECT_EQ(link.status, kInterByteTimeout);
}

TEST(TcpLink, BadChecksumsAreRetried) {
    SimOverTcp sim({"--bad-crc", "1"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link, 1, 100, 1));
    EXPECT_FALSE(ReadFields(link, 0, 0, 1));
    EXPECT_EQ(link.status, kBadChecksum);
    EXPECT_TRUE(ReadFields(link, 0, 0, 1));

    SimOverTcp again({"--bad-crc", "1"});
    link::hgcbox retrying;
    ASSERT_TRUE(again.Connect(retrying, 1, 100, 2));
    EXPECT_TRUE(ReadFields(retrying, 0, 0, 1));
}

TEST(TcpLink, DroppedRequestsTimeOutAndTheNextAttemptGetsThrough) {
    SimOverTcp sim({"--drop-every", "2"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link, 1, 100, 2));
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(ReadFields(link, 6, 0, 12)) << i;
    }
}

TEST(TcpLink, ASilentControllerDoesNotAnswer) {
    SimOverTcp sim({"--silent"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));
    EXPECT_FALSE(ReadFields(link, 0, 0, 1));
    EXPECT_EQ(link.status, kNoAnswer);
    EXPECT_EQ(link.StatusText(), "Устройство не отвечает");
}

TEST(TcpLink, ErrorRepliesCarryTheControllersReason) {
    SimOverTcp sim({"--destroyed", "5", "--password", "secret"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));

    EXPECT_FALSE(ReadFields(link, 1, 0, 1));
    EXPECT_EQ(link.StatusText(), "Нет такой таблицы");
    EXPECT_FALSE(ReadFields(link, 6, 10, 5));
    EXPECT_EQ(link.StatusText(), "Нет такого поля в таблице");
    EXPECT_FALSE(ReadFields(link, 5, 0, 3));
    EXPECT_EQ(link.StatusText(), "Команда 1.  Разрушена таблица 5");
    EXPECT_FALSE(link.Request(40, std::span<const std::uint8_t>{}));
    EXPECT_EQ(link.status, kBadFunctionCode);
    // A message archive the controller does not have.
    EXPECT_FALSE(link.Request(7, std::vector<std::uint8_t>{0, 2, 1, 0, 0, 0, 1}));
    EXPECT_EQ(link.StatusText(), "Неизвестный код команды");

    const std::vector<std::uint8_t> write{6, 6, 1, 10};
    EXPECT_FALSE(link.Request(2, write));
    EXPECT_EQ(link.StatusText(), "Пользователь не зарегистрирован или неправильный пароль");
    link.SetCredentials("secret", "");
    EXPECT_TRUE(link.Request(2, write)) << link.StatusText();
    EXPECT_FALSE(link.Request(2, std::vector<std::uint8_t>{0, 0, 1, 0}));
    EXPECT_EQ(link.StatusText(), "Запись в таблицу не допускается");
}

TEST(TcpLink, WritingTheAddressMovesTheLinkToTheNewAddress) {
    SimOverTcp sim({"--address", "1"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));
    link.SetCredentials("2222", "2");  // the demonstration controller's administrator
    ASSERT_TRUE(link.Request(2, std::vector<std::uint8_t>{3, 0, 1, 42})) << link.StatusText();
    EXPECT_EQ(link.address, 42);
    ASSERT_TRUE(ReadFields(link, 3, 0, 4));
    EXPECT_EQ(link.replyFrame[1], 42);
    EXPECT_EQ(link.replyFrame[8], 42);
}

TEST(TcpLink, Address255FindsTheController) {
    SimOverTcp sim({"--address", "17"});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));
    link.address = 255;
    ASSERT_TRUE(ReadFields(link, 0, 0, 1));
    EXPECT_EQ(link.address, 17);
}

TEST(TcpLink, ReconnectingOpensAFreshConnection) {
    SimOverTcp sim({});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));
    ASSERT_TRUE(ReadFields(link, 0, 0, 1));
    link.Close();
    ASSERT_TRUE(sim.Connect(link));
    EXPECT_TRUE(ReadFields(link, 0, 0, 1));
}

// The controller goes away (its end of the connection closes); the operator answers "Да" to
// "Повторить попытку?" while it is still away, then brings it back on the same port and says "Да"
// again.
TEST(TcpLink, YesToTheRetryQuestionReconnectsOnceTheControllerIsBack) {
    SimOverTcp sim({});
    link::hgcbox link;
    ASSERT_TRUE(sim.Connect(link));
    link.connectWaitS = 1;
    const std::uint16_t port = sim.sim->TcpPort();
    sim.sim.reset();
    class Restarting : public RecordingOperator {
    public:
        bool ShowMessage(dialogue::MessageKind kind, std::string_view a,
                         std::string_view b) override {
            onQuestion(messages.size());
            return RecordingOperator::ShowMessage(kind, a, b);
        }
        std::function<void(std::size_t)> onQuestion;
    } op;
    op.onQuestion = [&](std::size_t asked) {
        if (asked == 1) {
            sim.sim = std::make_unique<SimProcess>(
                ZOR06_SIM_PATH,
                std::vector<std::string>{"--tcp", "127.0.0.1:" + std::to_string(port)});
        }
    };
    op.answers = {true, true};
    tables::ControllerImage image;
    tables::TableContext ctx{link, image, op};
    ASSERT_TRUE(tables::ReadFields(ctx, {0, 0, 18})) << link.StatusText();
    ASSERT_TRUE(sim.sim->Started()) << sim.sim->Error();
    ASSERT_EQ(op.messages.size(), 2U);
    EXPECT_EQ(op.messages[0].text1, "Не выполнено чтение из таблицы 0.");
    // Still away at the first repeat: nowhere to send to within the connection wait.
    EXPECT_EQ(op.messages[1].text2, "Ithernet. Не выполнена команда send (посылка запроса)");
    EXPECT_EQ(image.Whole(0)[1], 73);
}

TEST(TcpLink, ARefusedConnectionWaitsForTheConnectionWait) {
    std::uint16_t port = 0;
    {
        SimOverTcp probe({});
        port = probe.sim->TcpPort();
    }  // the simulator is gone: nothing listens on its port now
    link::hgcbox link;
    RecordingOperator op;
    link::EthernetSettings settings;
    settings.connectWaitS = 1;
    const auto start = platform::MonoClock::now();
    EXPECT_FALSE(link::TcpConnectTo(link, settings, 1, "127.0.0.1", std::to_string(port), op));
    EXPECT_GE(platform::MonoClock::now() - start, std::chrono::seconds(1));
    ASSERT_FALSE(op.boxes.empty());
    EXPECT_EQ(op.boxes.back(), "Превышено время ожидания соединения сервер/клиент");
}

}  // namespace
}  // namespace zor06::test
