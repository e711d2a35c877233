// Whether a reply fits the request it should answer, per function code, and what the views read.
#include "link/reply_views.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_channel.h"

namespace zor06::test {
namespace {

using link::ReplyFit;
using link::TableEcho;

struct FitCase {
    const char* what;
    link::ReplyExpectation expected;
    Bytes frame;
    ReplyFit fit;
};

class ReplyFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(ReplyFitTest, JudgesTheFrameAgainstTheLayoutOfItsCode) {
    const FitCase& c = GetParam();
    EXPECT_EQ(link::JudgeReply(c.expected, c.frame), c.fit) << c.what;
}

const TableEcho kRead{4, 2, 3};

INSTANTIATE_TEST_SUITE_P(
    EveryCode, ReplyFitTest,
    ::testing::Values(
        FitCase{"read with all values", link::ReadReply::Expect(kRead, 2),
                ReadReply(1, 4, 2, 3, Bytes(6, 7)), ReplyFit::Fits},
        FitCase{"read one value short", link::ReadReply::Expect(kRead, 2),
                ReadReply(1, 4, 2, 3, Bytes(5, 7)), ReplyFit::WrongLength},
        FitCase{"read one value long", link::ReadReply::Expect(kRead, 2),
                ReadReply(1, 4, 2, 3, Bytes(7, 7)), ReplyFit::WrongLength},
        FitCase{"read of another table", link::ReadReply::Expect(kRead, 2),
                ReadReply(1, 5, 2, 3, Bytes(6, 7)), ReplyFit::OtherRequest},
        FitCase{"read of other fields", link::ReadReply::Expect(kRead, 2),
                ReadReply(1, 4, 2, 2, Bytes(4, 7)), ReplyFit::OtherRequest},
        FitCase{"read without room for the echo", link::ReadReply::Expect(kRead, 2),
                ReplyFrame(1, 0x81, {0, 4}), ReplyFit::WrongLength},
        FitCase{"read, field size unknown", link::ReadReply::Expect(kRead, 0),
                ReadReply(1, 4, 2, 3, Bytes(5, 7)), ReplyFit::Fits},
        FitCase{"write echo", link::WriteReply::Expect(kRead), ReplyFrame(1, 0x82, {0, 4, 2, 3}),
                ReplyFit::Fits},
        FitCase{"write echo with trailing bytes", link::WriteReply::Expect(kRead),
                ReplyFrame(1, 0x82, {0, 4, 2, 3, 9}), ReplyFit::WrongLength},
        FitCase{"write echo of another write", link::WriteReply::Expect(kRead),
                ReplyFrame(1, 0x82, {0, 4, 3, 3}), ReplyFit::OtherRequest},
        FitCase{"clock correction", link::ClockReply::Expect(), ReplyFrame(1, 0x8C, {}),
                ReplyFit::Fits},
        FitCase{"clock correction with data", link::ClockReply::Expect(), ReplyFrame(1, 0x8C, {0}),
                ReplyFit::WrongLength},
        FitCase{"messages by index, two records of 3", link::ArchiveReply::Expect(7, 3),
                ReplyFrame(1, 0x87, {0, 0, 0, 0, 0, 0, 2, 1, 1, 1, 2, 2, 2}), ReplyFit::Fits},
        FitCase{"messages by index, count beyond the frame", link::ArchiveReply::Expect(7, 3),
                ReplyFrame(1, 0x87, {0, 0, 0, 0, 0, 0, 3, 1, 1, 1, 2, 2, 2}),
                ReplyFit::WrongLength},
        FitCase{"messages by index without a count byte", link::ArchiveReply::Expect(7, 3),
                ReplyFrame(1, 0x87, {0, 0, 0, 0, 0}), ReplyFit::WrongLength},
        FitCase{"messages by index, a byte behind the records", link::ArchiveReply::Expect(7, 3),
                ReplyFrame(1, 0x87, {0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 9}), ReplyFit::WrongLength},
        FitCase{"messages by index, as many as asked", link::ArchiveReply::Expect(7, 3, 2),
                ReplyFrame(1, 0x87, {0, 0, 0, 0, 0, 0, 2, 1, 1, 1, 2, 2, 2}), ReplyFit::Fits},
        FitCase{"messages by index, more than asked", link::ArchiveReply::Expect(7, 3, 1),
                ReplyFrame(1, 0x87, {0, 0, 0, 0, 0, 0, 2, 1, 1, 1, 2, 2, 2}),
                ReplyFit::TooManyRecords},
        FitCase{"messages by period, one record of 4", link::ArchiveReply::Expect(8, 4),
                ReplyFrame(1, 0x88, {0, 0, 1, 0, 5, 5, 5, 5}), ReplyFit::Fits},
        FitCase{"messages by period, a byte behind the record", link::ArchiveReply::Expect(8, 4),
                ReplyFrame(1, 0x88, {0, 0, 1, 0, 5, 5, 5, 5, 5}), ReplyFit::WrongLength},
        FitCase{"3-minute archive, a byte behind its record", link::ArchiveReply::Expect(14, 2),
                ReplyFrame(1, 0x8E, {1, 1, 2, 3}), ReplyFit::WrongLength},
        FitCase{"3-minute archive, two records of 2", link::ArchiveReply::Expect(14, 2, 2),
                ReplyFrame(1, 0x8E, {2, 1, 2, 3, 4}), ReplyFit::Fits},
        FitCase{"moisture archive, more records than a reply holds",
                link::ArchiveReply::Expect(15, 1, 8),
                ReplyFrame(1, 0x8F, {9, 1, 2, 3, 4, 5, 6, 7, 8, 9}), ReplyFit::TooManyRecords},
        FitCase{"hourly archive, count 200 in a short frame", link::ArchiveReply::Expect(15, 92),
                ReplyFrame(1, 0x8F, {200, 1, 2, 3}), ReplyFit::WrongLength},
        FitCase{"daily archive, no records", link::ArchiveReply::Expect(16, 92),
                ReplyFrame(1, 0x90, {0}), ReplyFit::Fits},
        FitCase{"3-minute archive, size unknown, count beyond the bytes",
                link::ArchiveReply::Expect(14, 0), ReplyFrame(1, 0x8E, {3, 1, 2}),
                ReplyFit::WrongLength},
        FitCase{"a code without a known layout",
                {33, std::nullopt, 0},
                ReplyFrame(1, 0xA1, {1, 2, 3}),
                ReplyFit::Fits}));

TEST(ReadReplyView, GivesTheEchoAndExactlyTheValues) {
    const Bytes frame = ReadReply(1, 4, 2, 3, {1, 2, 3, 4, 5, 6});
    Bytes padded = frame;
    padded.resize(256, 0xEE);  // the link's frame buffer holds more than the reply
    const auto reply = link::ReadReply::Parse(padded, kRead, 2);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->Echo(), kRead);
    EXPECT_EQ(Bytes(reply->Values().begin(), reply->Values().end()), (Bytes{1, 2, 3, 4, 5, 6}));

    EXPECT_FALSE(link::ReadReply::Parse(padded, kRead, 3));
    EXPECT_FALSE(link::ReadReply::Parse(padded, {4, 2, 2}, 3));
}

TEST(ArchiveReplyView, CountsAndCutsTheRecordsOfEachLayout) {
    // Code 8: [4] error flag, [6] count, [7] more follow, [8..] records.
    const Bytes period = ReplyFrame(1, 0x88, {0x80, 0, 2, 1, 1, 2, 3, 4, 5, 6});
    const auto byPeriod = link::ArchiveReply::Parse(period, 8, 3);
    ASSERT_TRUE(byPeriod);
    EXPECT_EQ(byPeriod->Count(), 2u);
    EXPECT_EQ(Bytes(byPeriod->Record(1).begin(), byPeriod->Record(1).end()), (Bytes{4, 5, 6}));
    EXPECT_TRUE(byPeriod->Record(2).empty());
    EXPECT_TRUE(byPeriod->ArchiveError());
    EXPECT_TRUE(byPeriod->MoreFollow());

    // Code 15: [4] count, [5..] records.
    const Bytes hourly = ReplyFrame(1, 0x8F, {1, 9, 8});
    const auto hours = link::ArchiveReply::Parse(hourly, 15, 2);
    ASSERT_TRUE(hours);
    EXPECT_EQ(Bytes(hours->Records().begin(), hours->Records().end()), (Bytes{9, 8}));
    EXPECT_FALSE(link::ArchiveReply::Parse(hourly, 15, 3));
    EXPECT_FALSE(link::ArchiveReply::Parse(hourly, 1, 2));
}

TEST(ErrorReplyView, ReadsCodeReasonAndTable) {
    const Bytes frame = ReplyFrame(1, 0x01, {24, 49, 12});
    const link::ErrorReply reply(frame);
    EXPECT_EQ(reply.Code(), 24);
    EXPECT_EQ(reply.Reason(), 49);
    EXPECT_EQ(reply.Table(), 12);
    EXPECT_EQ(link::ErrorReply(Bytes{0x33, 1}).Table(), 0);
}

}  // namespace
}  // namespace zor06::test
