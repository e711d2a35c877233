// The request frames the link object puts on the line, per function code.
#include <vector>

#include "link/crc16.h"
#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

class RequestFrameTest : public LinkTest {
protected:
    void SetUp() override {
        channel = &Connect(Always({}));
        link.attempts = 1;
        link.firstByteTimeoutMs = 10;
        link.SetCredentials("secret", "42");
    }
    // The frame of the last transmission, without its preamble.
    Bytes SentFrame() const {
        const Bytes& t = channel->transmissions.back();
        return Bytes(t.begin() + link.preambles, t.end());
    }
    ScriptedChannel* channel = nullptr;
};

TEST_F(RequestFrameTest, ReadPutsChannelAndHeaderBehindTheCode) {
    const Bytes header{5, 0, 3};
    link.Request(1, header);
    const Bytes frame = SentFrame();
    ASSERT_EQ(frame.size(), 10u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 8), (Bytes{0xCC, 1, 10, 1, 0, 5, 0, 3}));
    EXPECT_EQ(link::Crc16(frame), 0);
}

TEST_F(RequestFrameTest, WriteCarriesTheCredentialsBeforeTheTableHeader) {
    const Bytes data{3, 0, 2, 0x07, 0x0B};
    link.Request(2, data);
    const Bytes frame = SentFrame();
    ASSERT_EQ(frame.size(), 26u + 2);
    EXPECT_EQ(frame[2], 28);
    EXPECT_EQ(std::string(frame.begin() + 4, frame.begin() + 16), "secret      ");
    EXPECT_EQ(std::string(frame.begin() + 16, frame.begin() + 20), "42  ");
    EXPECT_EQ(Bytes(frame.begin() + 20, frame.begin() + 26), (Bytes{0, 3, 0, 2, 0x07, 0x0B}));
    EXPECT_EQ(link::Crc16(frame), 0);
}

TEST_F(RequestFrameTest, FixedBlockCodesHaveTheirFixedLengths) {
    const std::vector<std::pair<std::uint8_t, std::size_t>> lengths{
        {7, 13}, {8, 21}, {14, 19}, {15, 17}, {16, 15}, {12, 24}, {25, 22}, {32, 22}, {33, 22}};
    const Bytes block(15, 0xAB);
    for (const auto& [code, length] : lengths) {
        link.Request(code, block);
        const Bytes frame = SentFrame();
        EXPECT_EQ(frame.size(), length) << "code " << int(code);
        EXPECT_EQ(frame[3], code);
        EXPECT_EQ(link::Crc16(frame), 0) << "code " << int(code);
    }
    link.Request(12, Bytes{0x10, 0xFF});
    const Bytes correction = SentFrame();
    EXPECT_EQ(Bytes(correction.begin() + 20, correction.begin() + 22), (Bytes{0x10, 0xFF}));
}

TEST_F(RequestFrameTest, PreamblesGoInFrontAndEveryAttemptResendsThem) {
    link.preambles = 5;
    link.attempts = 3;
    ReadTable0();
    ASSERT_EQ(channel->transmissions.size(), 3u);
    for (const Bytes& t : channel->transmissions) {
        ASSERT_EQ(t.size(), 15u);
        EXPECT_EQ(Bytes(t.begin(), t.begin() + 5), Bytes(5, 0xFF));
        EXPECT_EQ(t[5], 0xCC);
    }
}

TEST_F(RequestFrameTest, RefusedRequestsSendNothing) {
    EXPECT_FALSE(link.Request(3, Bytes{}));
    EXPECT_EQ(link.status, link::status::kBadFunctionCode);
    EXPECT_EQ(link.StatusText(), "Неверно задан код функции");

    // 230 value bytes would not fit the one-byte frame length.
    Bytes tooLong{3, 0, 230};
    tooLong.resize(3 + 230);
    EXPECT_FALSE(link.Request(2, tooLong));
    EXPECT_EQ(link.status, link::status::kBadFunctionCode);

    link.RequestAbort();
    EXPECT_FALSE(ReadTable0());
    EXPECT_EQ(link.status, link::status::kAborted);
    EXPECT_FALSE(link.AbortRequested());
    EXPECT_TRUE(channel->transmissions.empty());
}

TEST_F(RequestFrameTest, TheLongestWriteFitsExactly) {
    Bytes data{13, 0, 14};
    data.resize(3 + 229, 0x20);
    link.Request(2, data);
    EXPECT_EQ(SentFrame().size(), 255u);
}

TEST_F(RequestFrameTest, DirectLineReappliesTheBaudAndDrivesTheDirectionLine) {
    link.baud = 19200;
    ReadTable0();
    EXPECT_EQ(channel->baudsApplied, std::vector<int>{19200});
    EXPECT_TRUE(channel->directionControl);

    channel->baudsApplied.clear();
    link.linkKind = link::LinkKind::Telephone;
    ReadTable0();
    EXPECT_TRUE(channel->baudsApplied.empty());
    EXPECT_FALSE(channel->directionControl);
}

}  // namespace
}  // namespace zor06::test
