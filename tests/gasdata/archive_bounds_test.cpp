// The archive bounds from the first-record date and the clock, and the 3-minute period check
// against a scripted controller clock.
#include "gasdata/archive_bounds.h"

#include <gtest/gtest.h>

#include <deque>

#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using gasdata::ArchiveBounds;
using gasdata::Step;

struct BoundsCase {
    const char* what;
    Step step;
    bytes::ControllerDateTime clock;
    bytes::ControllerDateTime first;
    bool dayFlag;
    std::optional<ArchiveBounds> expected;
};

class BoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(BoundsTest, FollowTheClockTheRingAndTheFirstRecord) {
    const BoundsCase& c = GetParam();
    const auto b = gasdata::BoundsAt(c.step, c.clock, c.first, c.dayFlag, 10);
    ASSERT_EQ(b.has_value(), c.expected.has_value()) << c.what;
    if (b) {
        EXPECT_EQ(b->oldest, c.expected->oldest) << c.what;
        EXPECT_EQ(b->newest, c.expected->newest) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryArchive, BoundsTest,
    ::testing::Values(BoundsCase{"3-minute ring wrapped",
                                 Step::ThreeMinutes,
                                 {24, 5, 20, 10, 4, 30},
                                 {23, 1, 1, 0, 0, 0},
                                 false,
                                 ArchiveBounds{{24, 3, 20, 10, 6}, {24, 5, 20, 10, 3}}},
                      BoundsCase{"3-minute two months back from the 31st",
                                 Step::ThreeMinutes,
                                 {24, 5, 31, 10, 0, 0},
                                 {23, 1, 1, 0, 0, 0},
                                 false,
                                 ArchiveBounds{{24, 3, 31, 10, 3}, {24, 5, 31, 10, 0}}},
                      BoundsCase{"3-minute to a day February lacks",
                                 Step::ThreeMinutes,
                                 {23, 4, 30, 1, 1, 0},
                                 {22, 1, 1, 0, 0, 0},
                                 false,
                                 ArchiveBounds{{23, 3, 1, 1, 3}, {23, 4, 30, 1, 0}}},
                      BoundsCase{"3-minute young archive",
                                 Step::ThreeMinutes,
                                 {24, 5, 20, 10, 4, 30},
                                 {24, 5, 19, 23, 59, 0},
                                 false,
                                 ArchiveBounds{{24, 5, 19, 23, 57}, {24, 5, 20, 10, 3}}},
                      BoundsCase{"hourly first record three days old",
                                 Step::Hour,
                                 {24, 5, 20, 10, 30, 0},
                                 {24, 5, 17, 8, 0, 0},
                                 false,
                                 ArchiveBounds{{24, 5, 17, 8, 0}, {24, 5, 20, 9, 0}}},
                      BoundsCase{"hourly first record two years old",
                                 Step::Hour,
                                 {24, 5, 20, 10, 30, 0},
                                 {22, 5, 17, 8, 0, 0},
                                 false,
                                 ArchiveBounds{{23, 5, 20, 10, 0}, {24, 5, 20, 9, 0}}},
                      BoundsCase{"daily before the contract hour",
                                 Step::Day,
                                 {24, 5, 20, 7, 0, 0},
                                 {20, 1, 1, 10, 0, 0},
                                 false,
                                 ArchiveBounds{{20, 5, 19, 0, 0}, {24, 5, 18, 0, 0}}},
                      BoundsCase{"daily after the contract hour",
                                 Step::Day,
                                 {24, 5, 20, 11, 0, 0},
                                 {24, 5, 2, 10, 0, 0},
                                 false,
                                 ArchiveBounds{{24, 5, 2, 0, 0}, {24, 5, 19, 0, 0}}},
                      BoundsCase{"daily first gas day incomplete",
                                 Step::Day,
                                 {24, 5, 20, 11, 0, 0},
                                 {24, 5, 2, 10, 0, 0},
                                 true,
                                 ArchiveBounds{{24, 5, 1, 0, 0}, {24, 5, 19, 0, 0}}},
                      BoundsCase{"hourly nothing recorded yet",
                                 Step::Hour,
                                 {24, 5, 20, 10, 30, 0},
                                 {24, 5, 20, 10, 0, 0},
                                 false,
                                 std::nullopt}));

// A controller whose table 27 and clock come from the test.
class MinuteCheckTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        Connect([this](const Bytes& t) { return Answer(t); });
    }
    std::vector<Chunk> Answer(const Bytes& frame) {
        const std::uint8_t table = frame[5];
        if (table == 2) {
            ++clockReads;
            bytes::ControllerDateTime c = clocks.front();
            if (clocks.size() > 1) {
                clocks.pop_front();
            }
            Bytes v(c.begin(), c.end());
            v.insert(v.end(), {2, 0});
            return {At(2, ReadReply(1, 2, 0, 8, v))};
        }
        if (table == 27) {
            Bytes v(first.begin(), first.end());
            return {At(2, ReadReply(1, 27, frame[6], 1, v))};
        }
        return {At(2, ReadReply(1, 6, 0, 12, Bytes(12, 10)))};
    }
    gasdata::BoundsReading Bounds() {
        auto r = gasdata::GetArchiveBounds(tables, Step::ThreeMinutes);
        EXPECT_TRUE(r);
        return r.value_or(gasdata::BoundsReading{});
    }

    tables::ControllerImage image;
    RecordingOperator op;
    tables::TableContext tables{link, image, op, clock};
    std::deque<bytes::ControllerDateTime> clocks{{24, 5, 20, 10, 2, 58}};
    bytes::ControllerDateTime first{23, 1, 1, 0, 0, 0};
    int clockReads = 0;
};

TEST_F(MinuteCheckTest, AStartFarFromTheOldestRecordNeedsNoSecondLook) {
    const auto r = Bounds();
    bytes::ControllerDateTime start{24, 4, 1,
                                    0,  0, 0};  // far more than 289 steps after 20.03 10:03
    bytes::ControllerDateTime end{24, 4, 2, 0, 0, 0};
    EXPECT_TRUE(gasdata::CheckMinutePeriod(tables, r, start, end));
    EXPECT_EQ(clockReads, 1);
}

TEST_F(MinuteCheckTest, NearTheOldestRecordItWaitsForTheNextSlotThenOffersToMoveTheStart) {
    clocks = {{24, 5, 20, 10, 2, 58}, {24, 5, 20, 10, 2, 58}, {24, 5, 20, 10, 3, 1}};
    const auto r = Bounds();  // oldest 20.03 10:03
    bytes::ControllerDateTime start{24, 3, 20, 10, 3, 0};
    bytes::ControllerDateTime end{24, 3, 20, 12, 0, 0};
    op.answers = {true};
    const auto before = clock.Elapsed();
    EXPECT_TRUE(gasdata::CheckMinutePeriod(tables, r, start, end));
    EXPECT_GE(clock.Elapsed() - before, std::chrono::seconds(2));
    EXPECT_LT(clock.Elapsed() - before, std::chrono::seconds(3));
    EXPECT_EQ(start, (bytes::ControllerDateTime{24, 3, 20, 10, 6,
                                                0}));  // the record of 10:03 is gone by now
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::ArchiveDatesQuestion);
}

TEST_F(MinuteCheckTest, APeriodAlreadyOverwrittenAndAStoppedClockFailWithAMessage) {
    const auto r = Bounds();
    bytes::ControllerDateTime start{24, 3, 1, 0, 0, 0};
    bytes::ControllerDateTime end{24, 3, 2, 0, 0, 0};
    EXPECT_FALSE(gasdata::CheckMinutePeriod(tables, r, start, end));
    EXPECT_EQ(op.messages.back().kind, dialogue::MessageKind::ArchiveDatesChanged);

    // A clock that stands at 10:02:58 would keep the check waiting for ever.
    start = {24, 3, 20, 10, 6, 0};
    end = {24, 3, 20, 11, 0, 0};
    op.messages.clear();
    EXPECT_FALSE(gasdata::CheckMinutePeriod(tables, r, start, end));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].text1, "Часы контроллера не идут:");
    EXPECT_LE(clockReads, 1 + gasdata::kMinuteCheckRounds);
}

TEST_F(MinuteCheckTest, AnEmptyArchiveEndsBeforeTheClockIsRead) {
    first = {1, 1, 1, 0, 0, 0};
    EXPECT_FALSE(gasdata::GetArchiveBounds(tables, Step::ThreeMinutes));
    EXPECT_EQ(op.messages.back().text1, "В архиве нет данных");
    EXPECT_EQ(clockReads, 0);
}

}  // namespace
}  // namespace zor06::test
