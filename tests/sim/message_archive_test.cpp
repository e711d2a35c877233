// The simulated message archives: boundary tables, replies by index and the period series.
#include "zor06-sim/message_archive.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <set>

#include "link/crc16.h"
#include "sim/sim_frames.h"
#include "zor06-sim/controller.h"

namespace zor06::sim {
namespace {

using testing::Bytes;

std::uint32_t U32(const Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

Bytes ByIndex(std::uint8_t archive, std::uint32_t start, std::uint8_t count) {
    return testing::Request(
        1, 7,
        {0, archive, static_cast<std::uint8_t>(start), static_cast<std::uint8_t>(start >> 8),
         static_cast<std::uint8_t>(start >> 16), static_cast<std::uint8_t>(start >> 24), count});
}

Bytes ByPeriod(std::uint8_t archive, std::uint8_t sequence, const Bytes& from, const Bytes& to) {
    Bytes data{0, archive, sequence};
    data.insert(data.end(), from.begin(), from.end());
    data.insert(data.end(), to.begin(), to.end());
    return testing::Request(1, 8, data);
}

MessageArchiveConfig Held(std::uint32_t size, std::uint32_t oldest, bool errorFlag = false,
                          int shortBatch = 0, std::optional<std::uint32_t> bad = {}) {
    MessageArchiveConfig c;
    c.size = size;
    c.oldestIndex = oldest;
    c.errorFlag = errorFlag;
    c.shortBatch = shortBatch;
    c.badCrcIndex = bad;
    return c;
}

struct BoundsCase {
    const char* what;
    std::uint32_t size;
    std::uint32_t oldest;
    std::uint32_t wantOldest;
    std::uint32_t wantNewest;
};

class BoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(BoundsTest, TablesTenAndElevenPublishTheOldestAndNewestIndex) {
    const BoundsCase& c = GetParam();
    ControllerConfig config;
    config.interventions = Held(c.size, c.oldest);
    config.diagnostics = Held(c.size, c.oldest);
    Controller controller(config);
    for (const int table : {10, 11}) {
        const Bytes reply = controller.Answer(testing::ReadRequest(1, table, 0, 2));
        ASSERT_EQ(reply.size(), 18u) << c.what;
        EXPECT_EQ(U32(reply, 8), c.wantOldest) << c.what << " table " << table;
        EXPECT_EQ(U32(reply, 12), c.wantNewest) << c.what << " table " << table;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Archives, BoundsTest,
    ::testing::Values(BoundsCase{"default", 200, 1, 1, 200},
                      BoundsCase{"one record at 0", 1, 0, 0, 0}, BoundsCase{"empty", 0, 0, 1, 1},
                      BoundsCase{"empty from 70", 0, 70, 70, 70},
                      BoundsCase{"indices wrap", 5, 0xFFFFFFFE, 0xFFFFFFFE, 2}));

struct IndexCase {
    const char* what;
    std::uint8_t archive;
    MessageArchiveConfig config;
    std::uint32_t start;
    std::uint8_t count;
    int wantRecords;
};

class ByIndexTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ByIndexTest, RepliesWithTheRecordsFromTheStartIndex) {
    const IndexCase& c = GetParam();
    ControllerConfig config;
    (c.archive == 1 ? config.interventions : config.diagnostics) = c.config;
    Controller controller(config);
    const Bytes reply = controller.Answer(ByIndex(c.archive, c.start, c.count));
    ASSERT_TRUE(testing::ValidReply(reply)) << c.what;
    ASSERT_EQ(reply[3], 0x87) << c.what;
    const std::size_t size = c.archive == 1 ? 24 : 22;
    ASSERT_EQ(reply[10], c.wantRecords) << c.what;
    ASSERT_EQ(reply.size(), 11 + size * reply[10] + 2) << c.what;
    MessageArchive archive(
        c.archive == 1 ? messages::Archive::Interventions : messages::Archive::Diagnostics,
        c.config);
    for (int i = 0; i < c.wantRecords; ++i) {
        const Bytes record(reply.begin() + 11 + static_cast<long>(i * size),
                           reply.begin() + 11 + static_cast<long>((i + 1) * size));
        EXPECT_EQ(record, archive.Record(c.start + static_cast<std::uint32_t>(i))) << c.what;
        const bool bad = c.config.badCrcIndex == c.start + static_cast<std::uint32_t>(i);
        EXPECT_EQ(link::Crc16(record) != 0, bad) << c.what << " record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ByIndexTest,
    ::testing::Values(IndexCase{"a full batch of interventions", 1, Held(200, 1), 5, 10, 10},
                      IndexCase{"a full batch of diagnostics", 0, Held(200, 1), 5, 11, 11},
                      IndexCase{"more than a frame holds", 1, Held(200, 1), 5, 30, 10},
                      IndexCase{"up to the newest", 0, Held(20, 1), 17, 11, 4},
                      IndexCase{"before the oldest", 0, Held(20, 10), 9, 5, 0},
                      IndexCase{"past the newest", 1, Held(20, 10), 30, 5, 0},
                      IndexCase{"an empty archive", 1, Held(0, 1), 1, 5, 0},
                      IndexCase{"short batches", 1, Held(200, 1, false, 3), 1, 10, 3},
                      IndexCase{"a bad checksum", 0, Held(200, 1, false, 0, 7), 5, 5, 5},
                      IndexCase{"across the wrap of the indices", 0, Held(20, 0xFFFFFFFE),
                                0xFFFFFFFF, 3, 3}));

struct PeriodCase {
    const char* what;
    MessageArchiveConfig config;
    Bytes from;
    Bytes to;
    std::uint32_t wantRecords;
};

class PeriodSeriesTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(PeriodSeriesTest, TheControllerContinuesTheSeriesUntilThePeriodEnds) {
    const PeriodCase& c = GetParam();
    ControllerConfig config;
    config.diagnostics = c.config;
    Controller controller(config);
    std::uint32_t received = 0;
    std::uint8_t sequence = 0;
    Bytes last;
    for (int request = 0; request < 1000; ++request) {
        const Bytes reply = controller.Answer(ByPeriod(0, sequence, c.from, c.to));
        ASSERT_TRUE(testing::ValidReply(reply)) << c.what;
        ASSERT_EQ(reply.size(), 8 + 22u * reply[6] + 2) << c.what;
        EXPECT_EQ((reply[4] & 0x80) != 0, c.config.errorFlag) << c.what;
        for (int i = 0; i < reply[6]; ++i) {
            const Bytes date(reply.begin() + 8 + 22 * i, reply.begin() + 8 + 22 * i + 6);
            EXPECT_GE(date, c.from) << c.what;
            EXPECT_LE(date, c.to) << c.what;
            EXPECT_GT(date, last) << c.what;  // oldest first, nothing twice
            last = date;
        }
        received += reply[6];
        if (reply[7] == 0) {
            break;
        }
        sequence = sequence == 255 ? 1 : static_cast<std::uint8_t>(sequence + 1);
    }
    EXPECT_EQ(received, c.wantRecords) << c.what;
}

TEST(PeriodSeriesRepeat, ARequestThatRepeatsTheSequenceByteGetsTheSameRecordsAgain) {
    ControllerConfig config;
    config.diagnostics = Held(200, 1);
    Controller controller(config);
    const Bytes from{24, 3, 1, 0, 0, 0};
    const Bytes to{24, 3, 2, 0, 0, 0};
    std::vector<Bytes> replies;
    for (const std::uint8_t sequence : {0, 0, 1, 1, 1, 2}) {
        replies.push_back(controller.Answer(ByPeriod(0, sequence, from, to)));
    }
    const auto firstDate = [&replies](std::size_t i) {
        return Bytes(replies[i].begin() + 8, replies[i].begin() + 14);
    };
    // Eleven records a reply, ten minutes apart: the series goes on behind a repeated reply.
    EXPECT_EQ(replies[1], replies[0]);
    EXPECT_EQ(firstDate(2), (Bytes{24, 3, 1, 1, 50, 0}));
    EXPECT_EQ(replies[3], replies[2]);
    EXPECT_EQ(replies[4], replies[2]);
    EXPECT_EQ(firstDate(5), (Bytes{24, 3, 1, 3, 40, 0}));
}

// Records lie 10 minutes apart from 01.03.24 00:00:00.
INSTANTIATE_TEST_SUITE_P(
    Periods, PeriodSeriesTest,
    ::testing::Values(
        PeriodCase{"one hour", Held(200, 1), {24, 3, 1, 1, 0, 0}, {24, 3, 1, 2, 0, 0}, 7},
        PeriodCase{
            "a day, many replies", Held(500, 1), {24, 3, 1, 0, 0, 0}, {24, 3, 1, 23, 59, 59}, 144},
        PeriodCase{"past the newest", Held(30, 1), {24, 3, 1, 4, 0, 0}, {24, 3, 2, 0, 0, 0}, 6},
        PeriodCase{"before the oldest", Held(30, 1), {23, 1, 1, 0, 0, 0}, {23, 12, 1, 0, 0, 0}, 0},
        PeriodCase{"empty archive", Held(0, 1), {24, 3, 1, 0, 0, 0}, {24, 3, 2, 0, 0, 0}, 0},
        PeriodCase{
            "short batches", Held(200, 1, false, 2), {24, 3, 1, 0, 5, 0}, {24, 3, 1, 2, 0, 0}, 12},
        PeriodCase{
            "error flag", Held(200, 1, true), {24, 3, 1, 0, 0, 0}, {24, 3, 1, 0, 30, 0}, 4}));

TEST(MessageRecordsTest, DiagnosticsCoverEveryEventAndTheSpecialValues) {
    MessageArchive archive(messages::Archive::Diagnostics, Held(2000, 1));
    std::set<int> events;
    bool nan = false;
    bool large = false;
    for (std::uint32_t i = 1; i <= 2000; ++i) {
        const Bytes r = archive.Record(i);
        events.insert(r[6]);
        const int e = r[6];
        if ((e >= 12 && e <= 17) || (e >= 44 && e <= 47) || (e >= 60 && e <= 68)) {
            const float v = std::bit_cast<float>(U32(r, 10));
            nan = nan || std::isnan(v);
            large = large || (std::isfinite(v) && std::fabs(v) >= 10000);
        }
    }
    for (int e = 0; e <= 81; ++e) {
        EXPECT_TRUE(events.count(e)) << "event " << e;
    }
    EXPECT_TRUE(nan);
    EXPECT_TRUE(large);
}

TEST(MessageRecordsTest, InterventionsNameEveryDecodedTable) {
    MessageArchive archive(messages::Archive::Interventions, Held(400, 1));
    std::set<std::pair<int, int>> changed;
    for (std::uint32_t i = 1; i <= 400; ++i) {
        const Bytes r = archive.Record(i);
        changed.insert({r[7], r[8]});
    }
    const std::pair<int, int> expected[] = {{2, 7},   {3, 3},   {4, 0},   {5, 2},  {6, 11},
                                            {9, 5},   {13, 1},  {14, 13}, {15, 7}, {17, 0},
                                            {21, 20}, {22, 19}, {26, 0},  {28, 1}};
    for (const auto& tf : expected) {
        EXPECT_TRUE(changed.count(tf)) << tf.first << "/" << tf.second;
    }
}

}  // namespace
}  // namespace zor06::sim
