// A controller slower than the first-byte timeout: its late reply must not be taken for the reply
// to the next request, and a reply that does not fit its request is refused.
#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

using namespace link::status;
using platform::Millis;

class LateReplyTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 1000;
        link.interByteTimeoutMs = 50;
    }
    bool ReadTable(std::uint8_t table, std::uint8_t count = 1) {
        const std::uint8_t header[] = {table, 0, count};
        return link.Request(1, header);
    }
    std::uint8_t RepliedTable() const { return link.replyFrame[5]; }

    const Bytes replyTo0 = ReadReply(1, 0, 0, 1, {0x49});
    const Bytes replyTo6 = ReadReply(1, 6, 0, 1, {0x66});
};

TEST_F(LateReplyTest, TheLateReplyToOneRequestIsSkippedByTheNext) {
    // The reply to table 0 comes 1.5 s after its request, halfway through the wait for table 6.
    Connect(InTurn({{At(1500, replyTo0)}, {At(900, replyTo6)}}));
    EXPECT_FALSE(ReadTable(0));
    EXPECT_EQ(link.status, kNoAnswer);
    ASSERT_TRUE(ReadTable(6)) << link.StatusText();
    EXPECT_EQ(RepliedTable(), 6);
    EXPECT_EQ(link.replyFrame[8], 0x66);
}

TEST_F(LateReplyTest, TheRightFrameRightBehindASkippedOneInTheSameChunkIsTaken) {
    Bytes both = replyTo0;
    both.insert(both.end(), replyTo6.begin(), replyTo6.end());
    Connect(Always({At(5, both)}));
    ASSERT_TRUE(ReadTable(6)) << link.StatusText();
    EXPECT_EQ(RepliedTable(), 6);
    // Nothing of the longer skipped frame is left behind the reply taken.
    EXPECT_EQ(link.replyFrame[replyTo6.size()], 0);
}

TEST_F(LateReplyTest, AReplyToAnotherFunctionIsSkippedToo) {
    const Bytes writeEcho = ReplyFrame(1, 0x82, {0, 6, 0, 1});
    Connect(Always({At(5, writeEcho), At(5, replyTo6)}));
    ASSERT_TRUE(ReadTable(6)) << link.StatusText();
    EXPECT_EQ(RepliedTable(), 6);
}

TEST_F(LateReplyTest, OnlyRepliesToOtherRequestsFailAtTheFirstByteTimeoutWithTheirOwnStatus) {
    link.attempts = 2;
    auto& channel = Connect(Always({At(5, replyTo0)}));
    EXPECT_FALSE(ReadTable(6));
    EXPECT_EQ(link.status, kReplyMismatch);
    EXPECT_EQ(link.StatusText(), "Ответ не соответствует запросу");
    EXPECT_EQ(channel.transmissions.size(), 2u);
    EXPECT_EQ(clock.Elapsed(), Millis(2 * 1000));
}

TEST_F(LateReplyTest, ARetryWaitsUntilTheLineIsQuietAndTakesTheAnswerToItself) {
    link.attempts = 2;
    Bytes damaged = ReadReply(1, 6, 0, 1, {0x55});
    damaged.back() ^= 0xFF;
    // Behind the damaged reply another one for table 6 is still on its way.
    auto& channel = Connect(
        InTurn({{At(5, damaged), At(20, ReadReply(1, 6, 0, 1, {0x11}))}, {At(50, replyTo6)}}));
    ASSERT_TRUE(ReadTable(6)) << link.StatusText();
    EXPECT_EQ(link.replyFrame[8], 0x66);
    EXPECT_EQ(channel.transmissions.size(), 2u);
}

TEST_F(LateReplyTest, AReplyWhoseLengthDoesNotFitFailsAtOnce) {
    // The right echo and checksum, but one value byte for a read of two fields of one byte each.
    const link::ReplyExpectation twoBytes = link::ReadReply::Expect({6, 0, 2}, 1);
    Connect(Always({At(5, ReadReply(1, 6, 0, 2, {0x66}))}));
    const std::uint8_t header[] = {6, 0, 2};
    EXPECT_FALSE(link.Request(1, header, twoBytes));
    EXPECT_EQ(link.status, kReplyLengthMismatch);
    EXPECT_EQ(link.StatusText(), "Длина ответа не соответствует запросу");
    EXPECT_EQ(clock.Elapsed(), Millis(5));

    Connect(Always({At(5, ReadReply(1, 6, 0, 2, {0x66, 0x67}))}));
    EXPECT_TRUE(link.Request(1, header, twoBytes)) << link.StatusText();
}

TEST_F(LateReplyTest, AnArchiveReplyWithMoreRecordsThanAskedFailsWithItsOwnStatus) {
    // Two records of one byte where one was asked for.
    Connect(Always({At(5, ReplyFrame(1, 0x87, {0, 0, 0, 0, 0, 0, 2, 7, 8}))}));
    const Bytes request{0, 1, 0, 0, 0, 0, 1};
    EXPECT_FALSE(link.Request(7, request, link::ArchiveReply::Expect(7, 1, 1)));
    EXPECT_EQ(link.status, kTooManyRecords);
    EXPECT_EQ(link.StatusText(), "В ответе больше записей, чем запрошено");
    EXPECT_TRUE(link.Request(7, request, link::ArchiveReply::Expect(7, 1, 2))) << link.StatusText();
}

TEST_F(LateReplyTest, AWriteEchoWithExtraBytesIsRefusedWithoutBeingTold) {
    Connect(Always({At(5, ReplyFrame(1, 0x82, {0, 6, 0, 1, 0}))}));
    EXPECT_FALSE(link.Request(2, Bytes{6, 0, 1, 9}));
    EXPECT_EQ(link.status, kReplyLengthMismatch);
}

TEST_F(LateReplyTest, EveryChannelIsDrainedBeforeEachRequestASocketToo) {
    auto socket = std::make_unique<ScriptedChannel>(clock, Always({At(5, replyTo0)}));
    ScriptedChannel& channel = *socket;
    link.linkKind = link::LinkKind::Ethernet;
    link.AttachChannel(std::make_unique<ScriptedConnection>(std::move(socket)));
    ASSERT_TRUE(ReadTable(0));
    ASSERT_TRUE(ReadTable(0));
    // Before each transmission and after each reception.
    EXPECT_EQ(channel.discards, 4);
}

}  // namespace
}  // namespace zor06::test
