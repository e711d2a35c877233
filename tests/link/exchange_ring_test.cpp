// The ring of the line monitor fed by the link over a scripted line: what each attempt leaves in
// it, and how it keeps, drops and hands out exchanges.
#include "link/exchange_ring.h"

#include "link/exchange_text.h"
#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

using namespace link::status;

Bytes Of(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

class ExchangeRingTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.preambles = 3;
        link.firstByteTimeoutMs = 1000;
        link.SetExchangeObserver(&ring);
    }
    // Reads table 0 `times` times from a controller that always answers.
    void ReadTimes(int times) {
        Connect(Always({At(5, reply)}));
        for (int i = 0; i < times; ++i) {
            ASSERT_TRUE(ReadTable0());
        }
    }
    std::vector<std::uint64_t> Sequences(std::uint64_t since = 0) const {
        std::vector<std::uint64_t> sequences;
        for (const link::ExchangeRecord& record : ring.Since(since)) {
            sequences.push_back(record.sequence);
        }
        return sequences;
    }

    link::ExchangeRing ring{3};
    const Bytes reply = ReadReply(1, 0, 0, 1, {0x49});
};

TEST_F(ExchangeRingTest, ASuccessfulExchangeKeepsBothFramesAndTheReplyTime) {
    auto& channel = Connect(Always({At(40, reply)}));
    ASSERT_TRUE(ReadTable0());
    const auto records = ring.Since(0);
    ASSERT_EQ(records.size(), 1u);
    const link::ExchangeView view = records[0].View();
    ASSERT_EQ(channel.transmissions.size(), 1u);
    // The preambles are not part of the request.
    EXPECT_EQ(Of(view.request),
              Bytes(channel.transmissions[0].begin() + 3, channel.transmissions[0].end()));
    EXPECT_EQ(Of(view.reply), reply);
    EXPECT_EQ(view.functionCode, 1);
    EXPECT_EQ(view.status, kOk);
    EXPECT_EQ(view.attempt, 1);
    EXPECT_FALSE(view.skippedOther);
    EXPECT_EQ(view.replyTime, platform::Millis(40));
    EXPECT_EQ(view.sentAt, clock.LocalDateTime());
}

TEST_F(ExchangeRingTest, ARepeatAfterNoAnswerIsASecondRecordMarkedAsSuch) {
    link.attempts = 2;
    Connect(InTurn({{}, {At(5, reply)}}));
    ASSERT_TRUE(ReadTable0());
    const auto records = ring.Since(0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].status, kNoAnswer);
    EXPECT_EQ(records[0].attempt, 1);
    EXPECT_EQ(records[0].replyLength, 0);
    EXPECT_EQ(records[0].replyTime, platform::Millis(1000));
    EXPECT_EQ(records[1].status, kOk);
    EXPECT_EQ(records[1].attempt, 2);
    EXPECT_NE(ExchangeLines(records[1].View()).find("попытка 2"), std::string::npos);
}

TEST_F(ExchangeRingTest, AFailedReplyKeepsWhatCameAndTellsTheLinksText) {
    Bytes damaged = reply;
    damaged.back() ^= 0xFF;
    const Bytes cut(reply.begin(), reply.begin() + 5);
    const struct {
        Bytes answer;
        int status;
        std::string text;
    } cases[] = {
        {damaged, kBadChecksum, "Несовпадение КС ответа контроллера"},
        {ErrorReply(1, 0x01, {9}), kErrorReply, "Нет такой таблицы"},
        {cut, kInterByteTimeout, std::string(link::BaseStatusText(kInterByteTimeout))},
    };
    for (const auto& c : cases) {
        ring.Clear();
        Connect(Always({At(5, c.answer)}));
        EXPECT_FALSE(ReadTable0());
        const auto records = ring.Since(0);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].status, c.status);
        EXPECT_EQ(Of(records[0].View().reply), c.answer);
        const std::string lines = ExchangeLines(records[0].View());
        EXPECT_EQ(lines.substr(lines.size() - c.text.size()), c.text);
        EXPECT_EQ(c.text, link.StatusText());
    }
}

TEST_F(ExchangeRingTest, AReplyToAnotherRequestSkippedOnTheWayIsNoted) {
    Connect(Always({At(5, ReadReply(1, 6, 0, 1, {0x66})), At(5, reply)}));
    ASSERT_TRUE(ReadTable0());
    const auto records = ring.Since(0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].skippedOther);
    EXPECT_EQ(Of(records[0].View().reply), reply);
    EXPECT_NE(ExchangeLines(records[0].View()).find("пропущен ответ на другой запрос"),
              std::string::npos);
}

TEST_F(ExchangeRingTest, PastItsCapacityTheOldestAreOverwrittenAndCounted) {
    ReadTimes(5);
    EXPECT_EQ(ring.Size(), 3u);
    EXPECT_EQ(ring.Overwritten(), 2u);
    EXPECT_EQ(Sequences(), (std::vector<std::uint64_t>{3, 4, 5}));
    EXPECT_EQ(Sequences(3), (std::vector<std::uint64_t>{4, 5}));
    EXPECT_EQ(Sequences(5), std::vector<std::uint64_t>{});
    // A reader that fell behind the overwritten ones gets all that is left.
    EXPECT_EQ(Sequences(1), (std::vector<std::uint64_t>{3, 4, 5}));
}

TEST_F(ExchangeRingTest, WhilePausedExchangesAreDropped) {
    ReadTimes(1);
    ring.SetPaused(true);
    ReadTimes(2);
    EXPECT_EQ(ring.LastSequence(), 1u);
    ring.SetPaused(false);
    ReadTimes(1);
    EXPECT_EQ(Sequences(), (std::vector<std::uint64_t>{1, 2}));
}

TEST_F(ExchangeRingTest, ClearForgetsEverythingButSequencesGoOn) {
    ReadTimes(4);
    ring.Clear();
    EXPECT_EQ(ring.Size(), 0u);
    EXPECT_EQ(ring.Overwritten(), 0u);
    EXPECT_TRUE(ring.Since(0).empty());
    ReadTimes(1);
    EXPECT_EQ(Sequences(4), std::vector<std::uint64_t>{5});
}

TEST_F(ExchangeRingTest, CredentialsAndUsersPasswordsAndCodesAreNotKept) {
    link.SetCredentials("Pw3#Pw3#Pw3#", "9876");
    const std::string user("USR1\4\0Us5$Us5$Us5$8642", 22);
    Connect(Always({At(5, ReadReply(1, 4, 0, 1, Bytes(user.begin(), user.end())))}));
    const std::string write = std::string("\4\0\1", 3) + user;
    link.Request(2, Bytes(write.begin(), write.end()));
    ASSERT_TRUE(link.Request(1, Bytes{4, 0, 1}));
    std::string kept;
    for (const link::ExchangeRecord& record : ring.Since(0)) {
        kept.append(record.request.begin(), record.request.end());
        kept.append(record.reply.begin(), record.reply.end());
    }
    for (const char* secret : {"Pw3#Pw3#Pw3#", "9876", "Us5$Us5$Us5$", "8642"}) {
        EXPECT_EQ(kept.find(secret), std::string::npos) << secret;
    }
    EXPECT_NE(kept.find("USR1"), std::string::npos);
}

TEST_F(ExchangeRingTest, AMonitorRemovedWhileARequestWaitsIsNotCalled) {
    Connect(Always({At(500, reply)}));
    Listen();
    listener.onIdle = [this] { link.SetExchangeObserver(nullptr); };
    ASSERT_TRUE(ReadTable0());
    EXPECT_EQ(ring.Size(), 0u);
}

}  // namespace
}  // namespace zor06::test
