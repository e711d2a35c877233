// How the link object judges the bytes of a reply.
#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

using link::status::kNoAnswer;
using link::status::kOk;

class ReceiverTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 1000;
        link.interByteTimeoutMs = 50;
    }
    static Bytes Concat(Bytes a, const Bytes& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    const Bytes reply = ReadReply(1, 0, 0, 1, {0});
};

TEST_F(ReceiverTest, NoiseAndPreambleEchoBeforeTheStartByteAreDropped) {
    Connect(Always({At(5, Concat({0xFF, 0xFF, 0x00, 0x12, 0xCC}, reply))}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_EQ(link.status, kOk);
    EXPECT_EQ(link.StatusText(), "Команда выполнена");
}

TEST_F(ReceiverTest, AStrangeAddressByteKeepsWaitingForTheAddress) {
    // 0x33, then a byte that is neither the address nor 0x33, then the real address.
    Bytes bytes{0x33, 0x07};
    bytes.insert(bytes.end(), reply.begin() + 1, reply.end());
    Connect(Always({At(5, bytes)}));
    EXPECT_TRUE(ReadTable0());
}

TEST_F(ReceiverTest, ASecondStartByteInTheAddressPlaceDropsTheFrame) {
    Connect(Always({At(5, Concat({0x33}, reply))}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kNoAnswer);
}

TEST_F(ReceiverTest, ALengthBelowSixRestartsAndTheFirstByteDeadlineStillCounts) {
    Connect(Always({At(5, {0x33, 0x01, 0x05, 0x81}), At(2000, reply)}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kNoAnswer);
    EXPECT_EQ(clock.Elapsed(), platform::Millis(1000));

    // A full frame after the short one, within the deadline, is taken.
    Connect(Always({At(5, Concat({0x33, 0x01, 0x02}, reply))}));
    EXPECT_TRUE(ReadTable0());
}

TEST_F(ReceiverTest, Address255AdoptsTheFirstAnsweringController) {
    link.address = 255;
    Connect(Always({At(5, ReadReply(17, 0, 0, 1, {0}))}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_EQ(link.address, 17);
    EXPECT_TRUE(ReadTable0());
    ASSERT_EQ(dynamic_cast<ScriptedChannel&>(*link.Channel()).transmissions.size(), 2u);
    EXPECT_EQ(dynamic_cast<ScriptedChannel&>(*link.Channel()).transmissions[1][1], 17);
}

TEST_F(ReceiverTest, RepliesFromAnotherAddressAreIgnored) {
    Connect(Always({At(5, ReadReply(2, 0, 0, 1, {0}))}));
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, kNoAnswer);
    EXPECT_EQ(link.address, 1);
}

TEST_F(ReceiverTest, WritingTheAddressAcceptsTheReplyFromTheNewAddress) {
    Connect(Always({At(5, ReplyFrame(9, 0x82, {0, 3, 0, 1}))}));
    EXPECT_TRUE(link.Request(2, Bytes{3, 0, 1, 9}));
    EXPECT_EQ(link.address, 9);

    // Another table's write does not adopt a new address.
    link.address = 1;
    EXPECT_FALSE(link.Request(2, Bytes{6, 0, 1, 9}));
    EXPECT_EQ(link.address, 1);
}

TEST_F(ReceiverTest, BytesAfterACompleteFrameAreNotTaken) {
    Connect(Always({At(5, Concat(reply, {0x33, 0x01, 0xFF}))}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_EQ(link.replyFrame[reply.size()], 0);
}

TEST_F(ReceiverTest, AReplySplitIntoPiecesIsReassembled) {
    const Bytes a(reply.begin(), reply.begin() + 2);
    const Bytes b(reply.begin() + 2, reply.begin() + 6);
    const Bytes c(reply.begin() + 6, reply.end());
    Connect(Always({At(5, a), At(40, b), At(40, c)}));
    EXPECT_TRUE(ReadTable0());
    EXPECT_TRUE(std::equal(reply.begin(), reply.end(), link.replyFrame.begin()));
}

}  // namespace
}  // namespace zor06::test
