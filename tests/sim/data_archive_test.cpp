#include <gtest/gtest.h>

#include <bit>
#include <ctime>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "gasdata/records.h"
#include "sim/sim_frames.h"
#include "sim/utc_zone.h"
#include "tables/controller_date.h"
#include "zor06-sim/controller.h"
#include "zor06-sim/options.h"

namespace zor06::sim {
namespace {

using testing::Bytes;
using testing::ReadRequest;
using testing::Values;

constexpr std::time_t kHostTime = 1709634030;

// One archive of one device as the requests name it.
struct Archive {
    std::uint8_t code;
    std::uint8_t run;
    std::uint8_t device;
    std::size_t recordSize;
    std::size_t perReply;
};

constexpr Archive kMinRun1{14, 0, 0, 93, 2};
constexpr Archive kMinRun2{14, 1, 0, 93, 2};
constexpr Archive kMinMoisture{14, 0, 1, 29, 8};
constexpr Archive kHourRun1{15, 0, 0, 92, 2};
constexpr Archive kHourRun2{15, 1, 0, 92, 2};
constexpr Archive kHourMoisture{15, 0, 1, 28, 8};
constexpr Archive kDayRun1{16, 0, 0, 92, 2};
constexpr Archive kDayRun2{16, 1, 0, 92, 2};
constexpr Archive kDayMoisture{16, 0, 1, 28, 8};

std::size_t DateBytes(const Archive& a) {
    return a.code == 14 ? 5 : a.code == 15 ? 4 : 3;
}

bool Minute(const Archive& a) {
    return a.code == 14;
}

Bytes DataRequest(const Archive& a, const bytes::ControllerDateTime& start,
                  const bytes::ControllerDateTime& end) {
    Bytes data{static_cast<std::uint8_t>(Minute(a) ? 1 : 3), a.run, a.device};
    data.insert(data.end(), start.begin(), start.begin() + static_cast<long>(DateBytes(a)));
    data.insert(data.end(), end.begin(), end.begin() + static_cast<long>(DateBytes(a)));
    return testing::Request(1, a.code, data);
}

std::vector<Bytes> Records(const Archive& a, const Bytes& reply) {
    EXPECT_TRUE(testing::ValidReply(reply));
    EXPECT_EQ(reply[3], a.code | 0x80);
    const std::size_t count = reply[4];
    EXPECT_EQ(reply.size(), 7 + count * a.recordSize);
    std::vector<Bytes> records;
    for (std::size_t i = 0; i < count && 5 + (i + 1) * a.recordSize <= reply.size(); ++i) {
        const auto at = reply.begin() + static_cast<long>(5 + i * a.recordSize);
        records.emplace_back(at, at + static_cast<long>(a.recordSize));
    }
    return records;
}

bytes::ControllerDateTime DateOf(const Archive& a, const Bytes& record) {
    bytes::ControllerDateTime d = gasdata::RecordDate(record, Minute(a));
    if (a.code == 16) {
        d[3] = d[4] = d[5] = 0;  // a gas day goes by its date
    }
    return d;
}

bytes::ControllerDateTime Step(const Archive& a, const bytes::ControllerDateTime& d) {
    return a.code == 14   ? tables::StepThreeMinutes(d, tables::kStepThreeMinutes)
           : a.code == 15 ? tables::StepForward(d, tables::kStepHour)
                          : tables::StepForward(d, tables::kStepDay);
}

std::time_t Utc(const bytes::ControllerDateTime& d) {
    std::tm tm{};
    tm.tm_year = d[0] + 100;
    tm.tm_mon = d[1] - 1;
    tm.tm_mday = d[2];
    tm.tm_hour = d[3];
    tm.tm_min = d[4];
    tm.tm_sec = d[5];
    return timegm(&tm);
}

class DataArchiveTest : public testing::UtcZoneTest {
protected:
    // The controller's clock stands at `now` (default 05.03.24 10:07:30); contract hour 9.
    static Controller Make(ControllerConfig config = {},
                           bytes::ControllerDateTime now = {24, 3, 5, 10, 7, 30}) {
        config.startTime = Utc(now);
        return Controller(config, [] { return kHostTime; });
    }
    static Controller Make(std::vector<std::string_view> args) {
        args.insert(args.begin(), "--pty");
        const ParsedOptions parsed = ParseOptions(args);
        EXPECT_EQ(parsed.error, "");
        return Make(parsed.options.controller);
    }
    static std::vector<Bytes> Ask(Controller& c, const Archive& a,
                                  const bytes::ControllerDateTime& start,
                                  const bytes::ControllerDateTime& end) {
        const Bytes request = DataRequest(a, start, end);
        EXPECT_TRUE(c.Accepts(request));
        return Records(a, c.Answer(request));
    }
    static Bytes FirstRecords(Controller& c) { return Values(c.Answer(ReadRequest(1, 27, 0, 3))); }
};

// A reading as the program does it: from the day after each reply's last record until a short
// reply; eleven slots of each archive.
TEST_F(DataArchiveTest, RepliesHoldFullBatchesInAscendingOrderUntilTheLastIsShort) {
    struct Case {
        Archive archive;
        bytes::ControllerDateTime start;
        bytes::ControllerDateTime end;
    };
    const Case cases[] = {
        {kMinRun1, {24, 3, 4, 12, 0, 0}, {24, 3, 4, 12, 30, 0}},
        {kMinRun2, {24, 3, 4, 12, 0, 0}, {24, 3, 4, 12, 30, 0}},
        {kMinMoisture, {24, 3, 4, 12, 0, 0}, {24, 3, 4, 12, 30, 0}},
        {kHourRun1, {24, 3, 4, 0, 0, 0}, {24, 3, 4, 10, 0, 0}},
        {kHourRun2, {24, 3, 4, 0, 0, 0}, {24, 3, 4, 10, 0, 0}},
        {kHourMoisture, {24, 3, 4, 0, 0, 0}, {24, 3, 4, 10, 0, 0}},
        {kDayRun1, {24, 2, 20, 0, 0, 0}, {24, 3, 1, 0, 0, 0}},
        {kDayRun2, {24, 2, 20, 0, 0, 0}, {24, 3, 1, 0, 0, 0}},
        {kDayMoisture, {24, 2, 20, 0, 0, 0}, {24, 3, 1, 0, 0, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "code " << int(k.archive.code) << " run " << int(k.archive.run)
                     << " device " << int(k.archive.device));
        Controller c = Make();
        std::vector<Bytes> all;
        bytes::ControllerDateTime from = k.start;
        for (int reply = 0; reply < 20; ++reply) {
            const std::vector<Bytes> records = Ask(c, k.archive, from, k.end);
            all.insert(all.end(), records.begin(), records.end());
            if (records.size() < k.archive.perReply) {
                break;
            }
            ASSERT_EQ(records.size(), k.archive.perReply);
            from = Step(k.archive, DateOf(k.archive, records.back()));
        }
        ASSERT_EQ(all.size(), 11U);
        bytes::ControllerDateTime expected = k.start;
        for (const Bytes& r : all) {
            EXPECT_EQ(DateOf(k.archive, r), expected);
            EXPECT_TRUE(gasdata::RecordCrcValid(r));
            expected = Step(k.archive, expected);
        }
    }
}

TEST_F(DataArchiveTest, HourlyAndDailyRecordsSpanTheirIntervals) {
    Controller c = Make();
    const Bytes hour = Ask(c, kHourRun1, {24, 3, 4, 23, 0, 0}, {24, 3, 4, 23, 0, 0}).at(0);
    EXPECT_EQ(Bytes(hour.begin(), hour.begin() + 10), (Bytes{24, 3, 4, 23, 0, 0, 0, 0, 0, 0}));
    const Bytes day = Ask(c, kDayMoisture, {24, 3, 1, 0, 0, 0}, {24, 3, 1, 0, 0, 0}).at(0);
    EXPECT_EQ(Bytes(day.begin(), day.begin() + 10), (Bytes{24, 3, 1, 9, 0, 0, 0x89, 0, 0, 0}));
}

// Table 27 names when the archives began, five years before the clock by default; the rings
// hold the last two months, year and four years, up to the clock's 3-minute slot, the last whole
// hour and the last whole gas day.
TEST_F(DataArchiveTest, RingsFollowTheClock) {
    struct Case {
        bytes::ControllerDateTime now;
        Bytes began;
        bytes::ControllerDateTime oldestMinute, oldestHour, oldestDay;
        bytes::ControllerDateTime newestMinute, newestHour, newestDay;
    };
    const Case cases[] = {
        {{24, 3, 5, 10, 7, 30},
         {19, 3, 5, 9, 0, 0},
         {24, 1, 5, 10, 9, 0},
         {23, 3, 5, 10, 0, 0},
         {20, 3, 5, 0, 0, 0},
         {24, 3, 5, 10, 6, 0},
         {24, 3, 5, 9, 0, 0},
         {24, 3, 4, 0, 0, 0}},
        // Before the contract hour of a leap day: 29.02.23 and 29.02.19 do not exist.
        {{24, 2, 29, 7, 30, 0},
         {19, 3, 1, 9, 0, 0},
         {23, 12, 29, 7, 33, 0},
         {23, 3, 1, 7, 0, 0},
         {20, 2, 28, 0, 0, 0},
         {24, 2, 29, 7, 30, 0},
         {24, 2, 29, 6, 0, 0},
         {24, 2, 27, 0, 0, 0}},
    };
    const bytes::ControllerDateTime farBack{1, 1, 1, 0, 0, 0};
    const bytes::ControllerDateTime farAhead{99, 12, 31, 23, 59, 0};
    for (const Case& k : cases) {
        Controller c = Make({}, k.now);
        EXPECT_EQ(FirstRecords(c), testing::Concat({k.began, k.began, k.began}));
        EXPECT_EQ(DateOf(kMinRun1, Ask(c, kMinRun1, farBack, farAhead).at(0)), k.oldestMinute);
        EXPECT_EQ(DateOf(kHourRun2, Ask(c, kHourRun2, farBack, farAhead).at(0)), k.oldestHour);
        EXPECT_EQ(DateOf(kDayMoisture, Ask(c, kDayMoisture, farBack, farAhead).at(0)), k.oldestDay);
        const auto newest = [&](const Archive& a, const bytes::ControllerDateTime& d) {
            const std::vector<Bytes> r = Ask(c, a, d, farAhead);
            return r.size() == 1 ? DateOf(a, r[0]) : bytes::ControllerDateTime{};
        };
        EXPECT_EQ(newest(kMinMoisture, k.newestMinute), k.newestMinute);
        EXPECT_EQ(newest(kHourRun1, k.newestHour), k.newestHour);
        EXPECT_EQ(newest(kDayRun2, k.newestDay), k.newestDay);
    }
}

TEST_F(DataArchiveTest, ArchivesBegunWithinTheirRings) {
    struct Case {
        std::string_view start;
        Bytes firstRecords;
        std::vector<Bytes> days;  // date and end hour of each daily record
    };
    const Case cases[] = {
        {"24-03-03 14:20:10",
         {24, 3, 3, 14, 21, 0, 24, 3, 3, 14, 0, 0, 24, 3, 3, 14, 20, 10},
         {{24, 3, 3, 9}, {24, 3, 4, 0x89}}},
        // Before the contract hour its first gas day is the day before.
        {"24-03-03 07:00:00",
         {24, 3, 3, 7, 0, 0, 24, 3, 3, 7, 0, 0, 24, 3, 3, 7, 0, 0x80},
         {{24, 3, 2, 9}, {24, 3, 3, 0x89}, {24, 3, 4, 0x89}}},
    };
    for (const Case& k : cases) {
        Controller c = Make({"--data-start", k.start});
        EXPECT_EQ(FirstRecords(c), k.firstRecords);
        std::vector<Bytes> days;
        for (const Bytes& r : Ask(c, kDayMoisture, {24, 1, 1, 0, 0, 0}, {24, 3, 9, 0, 0, 0})) {
            days.push_back({r[0], r[1], r[2], r[6]});
        }
        EXPECT_EQ(days, k.days);
    }
}

TEST_F(DataArchiveTest, EmptyArchivesHaveNoFirstRecordAndNoRecords) {
    Controller c = Make({"--empty-data-archive", "min", "--empty-data-archive=day"});
    const Bytes table = FirstRecords(c);
    EXPECT_EQ(Bytes(table.begin(), table.begin() + 6), (Bytes{1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(Bytes(table.begin() + 12, table.end()), (Bytes{1, 1, 1, 0, 0, 0}));
    const bytes::ControllerDateTime from{23, 1, 1, 0, 0, 0};
    const bytes::ControllerDateTime to{24, 3, 5, 0, 0, 0};
    EXPECT_TRUE(Ask(c, kMinMoisture, from, to).empty());
    EXPECT_TRUE(Ask(c, kDayRun1, from, to).empty());
    EXPECT_EQ(Ask(c, kHourRun1, from, to).size(), 2U);
}

// Statuses, checksums and gaps on demand: the records of a period with what each carries.
TEST_F(DataArchiveTest, RecordFaultsOnDemand) {
    struct Expected {
        bytes::ControllerDateTime date;
        std::uint8_t status;
        bool crcValid;
    };
    struct Case {
        std::vector<std::string_view> args;
        Archive archive;
        bytes::ControllerDateTime start;
        bytes::ControllerDateTime end;
        std::vector<Expected> records;
    };
    const Case cases[] = {
        {{"--data-status", "min/run2/24-03-04 12:03=0x80"},
         kMinRun2,
         {24, 3, 4, 12, 0, 0},
         {24, 3, 4, 12, 3, 0},
         {{{24, 3, 4, 12, 0, 0}, 0, true}, {{24, 3, 4, 12, 3, 0}, 0x80, true}}},
        {{"--data-status", "min/moisture/*20=2", "--data-status=min/run1/*1=0x20"},
         kMinMoisture,
         {24, 3, 4, 11, 57, 0},
         {24, 3, 4, 12, 3, 0},
         {{{24, 3, 4, 11, 57, 0}, 0, true},
          {{24, 3, 4, 12, 0, 0}, 2, true},
          {{24, 3, 4, 12, 3, 0}, 0, true}}},
        {{"--data-status", "hour/moisture/24-03-04 10:00=0x04"},
         kHourMoisture,
         {24, 3, 4, 9, 0, 0},
         {24, 3, 4, 10, 0, 0},
         {{{24, 3, 4, 9, 0, 0}, 0, true}, {{24, 3, 4, 10, 0, 0}, 4, true}}},
        {{"--data-status", "day/run1/24-03-02=34", "--bad-data-crc", "day/run1/24-03-01"},
         kDayRun1,
         {24, 3, 1, 0, 0, 0},
         {24, 3, 2, 0, 0, 0},
         {{{24, 3, 1, 0, 0, 0}, 0, false}, {{24, 3, 2, 0, 0, 0}, 0x22, true}}},
        {{"--missing-data", "hour/run1/24-03-04 11:00"},
         kHourRun1,
         {24, 3, 4, 10, 0, 0},
         {24, 3, 4, 13, 0, 0},
         {{{24, 3, 4, 10, 0, 0}, 0, true}, {{24, 3, 4, 12, 0, 0}, 0, true}}},
        {{"--missing-data", "min/run1/24-03-04 12:03", "--bad-data-crc", "min/run1/*1"},
         kMinRun1,
         {24, 3, 4, 12, 3, 0},
         {24, 3, 4, 12, 9, 0},
         {{{24, 3, 4, 12, 6, 0}, 0, false}, {{24, 3, 4, 12, 9, 0}, 0, false}}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.args[1]);
        Controller c = Make(k.args);
        const std::vector<Bytes> records = Ask(c, k.archive, k.start, k.end);
        ASSERT_EQ(records.size(), k.records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(DateOf(k.archive, records[i]), k.records[i].date);
            EXPECT_EQ(records[i][Minute(k.archive) ? 6 : 9], k.records[i].status);
            EXPECT_EQ(gasdata::RecordCrcValid(records[i]), k.records[i].crcValid);
        }
    }
}

TEST_F(DataArchiveTest, RepeatedRepliesGiveTheFirstRecordsOfEachArchiveAgain) {
    Controller c = Make({"--repeat-data-replies"});
    const std::vector<Bytes> first = Ask(c, kMinRun1, {24, 3, 4, 12, 0, 0}, {24, 3, 4, 13, 0, 0});
    EXPECT_EQ(Ask(c, kMinRun1, {24, 3, 4, 12, 6, 0}, {24, 3, 4, 13, 0, 0}), first);
    EXPECT_EQ(Ask(c, kMinRun1, {24, 3, 4, 12, 12, 0}, {24, 3, 4, 13, 0, 0}), first);
    const std::vector<Bytes> other = Ask(c, kMinRun2, {24, 3, 4, 12, 6, 0}, {24, 3, 4, 13, 0, 0});
    EXPECT_EQ(DateOf(kMinRun2, other.at(0)), (bytes::ControllerDateTime{24, 3, 4, 12, 6, 0}));
}

TEST_F(DataArchiveTest, MalformedRequestsGetAnError) {
    ControllerConfig oneRun;
    oneRun.runs = 1;
    Controller c = Make(oneRun);
    const bytes::ControllerDateTime from{24, 3, 4, 12, 0, 0};
    Bytes shortRequest = DataRequest(kMinRun1, from, from);
    shortRequest.erase(shortRequest.end() - 4, shortRequest.end() - 2);
    shortRequest[2] = static_cast<std::uint8_t>(shortRequest.size());
    link::PutCrc16(shortRequest.data(), shortRequest.size() - 2);
    const Bytes requests[] = {
        shortRequest,
        DataRequest({15, 2, 0, 92, 2}, from, from),  // no run 3
        DataRequest({15, 0, 2, 92, 2}, from, from),  // no device 2
        DataRequest({16, 1, 1, 28, 8}, from, from),  // the moisture meter has run 0 only
        DataRequest(kHourRun2, from, from),          // run 2 is not in use
        DataRequest(kDayRun1, {24, 13, 1, 0, 0, 0}, from),
    };
    for (const Bytes& request : requests) {
        const Bytes reply = c.Answer(request);
        ASSERT_EQ(reply.size(), 7U);
        EXPECT_EQ(reply[3], request[3]);
        EXPECT_EQ(reply[4], 1);
    }
    EXPECT_EQ(Ask(c, kHourRun1, from, from).size(), 1U);
}

float FloatAt(const Bytes& b, std::size_t at) {
    const std::uint32_t u =
        b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
    return std::bit_cast<float>(u);
}

TEST_F(DataArchiveTest, ValuesArePlausibleGasAndDependOnTheSeed) {
    Controller c = Make({"--seed", "7"});
    const bytes::ControllerDateTime at{24, 3, 5, 10, 6, 0};
    const Bytes chr = Ask(c, kMinRun1, at, at).at(0);
    const auto gas = gasdata::ChrMinRecord::Decode(std::span(chr).first<93>()).values.v;
    struct Range {
        int index;
        float low, high;
    };
    constexpr Range kRanges[] = {{8, 90, 96},        {10, 2, 4},        {1, 0.5, 1.5},
                                 {11, 37, 40},       {12, 0.65, 0.75},  {13, 48, 52},
                                 {14, 0.995, 0.999}, {15, 99.9, 100.1}, {16, 4, 16},
                                 {18, 33, 37},       {19, 0.55, 0.62}};
    for (const Range& r : kRanges) {
        EXPECT_GT(gas[r.index], r.low) << r.index;
        EXPECT_LT(gas[r.index], r.high) << r.index;
    }
    float components = 0;
    for (int i = 0; i < gasdata::kComponents; ++i) {
        components += gas[i];
    }
    EXPECT_NEAR(components, 100.0F, 0.01F);

    const Bytes wmt = Ask(c, kMinMoisture, at, at).at(0);
    const auto moisture = gasdata::WmtMinRecord::Decode(std::span(wmt).first<29>()).values;
    EXPECT_NEAR(moisture[0], -15, 3);
    EXPECT_NEAR(moisture[1], -10, 3);
    EXPECT_NEAR(moisture[2], 40, 3);
    EXPECT_NEAR(moisture[3], -12, 3);

    // The momentary tables hold the newest analysis.
    const Bytes run1 = Values(c.Answer(ReadRequest(1, 30, 0, 22)));
    EXPECT_EQ(Bytes(run1.begin(), run1.begin() + 8), (Bytes{24, 3, 5, 0, 10, 6, 0, 0}));
    for (int i = 0; i < gasdata::kChrParameters; ++i) {
        EXPECT_EQ(FloatAt(run1, 8 + 4 * i), gas[i]) << i;
    }
    const Bytes wmtTable = Values(c.Answer(ReadRequest(1, 37, 0, 7)));
    EXPECT_EQ(FloatAt(wmtTable, 8), moisture[0]);
    EXPECT_NE(Values(c.Answer(ReadRequest(1, 38, 2, 20))), Bytes(run1.begin() + 8, run1.end()));

    Controller same = Make({"--seed", "7"});
    Controller other = Make({"--seed", "8"});
    EXPECT_EQ(Ask(same, kMinRun1, at, at).at(0), chr);
    EXPECT_NE(Ask(other, kMinRun1, at, at).at(0), chr);
}

TEST_F(DataArchiveTest, TablesFollowTheClockUnlessItStands) {
    for (const bool frozen : {false, true}) {
        ControllerConfig config;
        config.frozenClock = frozen;
        config.startTime = Utc({24, 3, 5, 10, 7, 30});
        std::time_t host = kHostTime;
        Controller c(config, [&host] { return host += 600; });
        const Bytes clock = Values(c.Answer(ReadRequest(1, 2, 0, 6)));
        const Bytes run2 = Values(c.Answer(ReadRequest(1, 38, 0, 2)));
        EXPECT_EQ(Values(c.Answer(ReadRequest(1, 2, 0, 6))) == clock, frozen);
        EXPECT_EQ(Values(c.Answer(ReadRequest(1, 38, 0, 2))) == run2, frozen);
    }
}

}  // namespace
}  // namespace zor06::sim
