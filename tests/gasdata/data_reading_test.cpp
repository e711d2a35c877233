// The data-archive reading loop against a scripted archive: the requests it sends, where it
// continues after a gap, the window question, the endings and what reaches the view.
#include "gasdata/data_reading.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tables/controller_date.h"
#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using gasdata::DataKind;
using gasdata::DataSet;

class EscOperator : public RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        if (eventPumps == escAtPump) {
            RequestInterrupt();
        }
    }
    void SetProgress(int position, int maximum) override { last = {position, maximum}; }
    void SetStatusText(dialogue::Panel panel, std::string_view text) override {
        RecordingOperator::SetStatusText(panel, text);
        if (!text.empty()) {
            shownStatus = std::string(text);
        }
    }
    int escAtPump = -1;
    std::string shownStatus;
    std::pair<int, int> last{};
};

Bytes RecordAt(DataKind kind, const bytes::ControllerDateTime& date) {
    Bytes r(gasdata::KindOf(kind).recordSize, 0);
    std::copy(date.begin(), date.end(), r.begin());
    gasdata::SealRecord(r);
    return r;
}

bytes::ControllerDateTime Step(DataKind kind, bytes::ControllerDateTime d) {
    switch (gasdata::KindOf(kind).step) {
        case gasdata::Step::ThreeMinutes:
            return tables::StepThreeMinutes(d, tables::kStepThreeMinutes);
        case gasdata::Step::Hour:
            return tables::StepForward(d, tables::kStepHour);
        case gasdata::Step::Day:
            break;
    }
    return tables::StepForward(d, tables::kStepDay);
}

class DataReadingTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        dir = std::filesystem::temp_directory_path() /
              ("dataread_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        image.Field(41, 0)[0] = 7;
        Connect([this](const Bytes& t) { return Answer(t); });
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // An archive of `count` records one step apart from `first`, without those in `missing`.
    void Fill(DataKind k, bytes::ControllerDateTime first, int count,
              std::vector<int> missing = {}) {
        kind = k;
        bytes::ControllerDateTime d = first;
        for (int i = 0; i < count; ++i, d = Step(k, d)) {
            if (std::ranges::find(missing, i) == missing.end()) {
                archive.push_back(d);
            }
        }
    }

    std::vector<Chunk> Answer(const Bytes& frame) {
        const int n = ++requests;
        if (failFrom && n >= *failFrom) {
            return {};
        }
        const gasdata::DataArchiveKind& k = gasdata::KindOf(kind);
        bytes::ControllerDateTime from{};
        std::copy_n(frame.begin() + 7, k.dateBytes, from.begin());
        starts.push_back(from);
        Bytes data{0};
        int count = 0;
        const std::size_t firstIndex =
            repeat && n > 1 ? firstSent
                            : static_cast<std::size_t>(std::ranges::count_if(
                                  archive, [&](auto& d) { return tables::Compare6(d, from) < 0; }));
        if (n == 1) {
            firstSent = firstIndex;
        }
        for (std::size_t i = firstIndex; i < archive.size() && count < int(k.perReply); ++i) {
            const Bytes r = RecordAt(kind, archive[i]);
            data.insert(data.end(), r.begin(), r.end());
            ++count;
        }
        data[0] = static_cast<std::uint8_t>(count + (n == overCountAt ? 1 : 0));
        return {At(2, ReplyFrame(1, static_cast<std::uint8_t>(0x80 | k.functionCode), data))};
    }

    std::optional<DataSet> Read(bytes::ControllerDateTime start, bytes::ControllerDateTime end,
                                int run = 0) {
        gasdata::DataReadingContext ctx{tables, dir, {}, {}};
        gasdata::DataReading reading = gasdata::ReadDataPeriod(ctx, kind, run, start, end);
        ending = reading.end;
        return reading.set;
    }
    std::vector<bytes::ControllerDateTime> Dates(const DataSet& set) const {
        std::vector<bytes::ControllerDateTime> out;
        for (std::size_t i = 0; i < set.Count(); ++i) {
            out.push_back(gasdata::RecordDate(set.Record(i), gasdata::IsThreeMinute(kind)));
        }
        return out;
    }

    tables::ControllerImage image;
    EscOperator op;
    tables::TableContext tables{link, image, op, clock};
    std::filesystem::path dir;
    DataKind kind = DataKind::ChrHour;
    std::vector<bytes::ControllerDateTime> archive;
    std::vector<bytes::ControllerDateTime> starts;
    archive::ReadingEnd ending = archive::ReadingEnd::NothingShown;
    int requests = 0;
    std::optional<int> failFrom;
    bool repeat = false;
    std::size_t firstSent = 0;
    int overCountAt = 0;
};

TEST_F(DataReadingTest, AGapInTheArchiveNeitherRepeatsNorLosesARecord) {
    Fill(DataKind::ChrHour, {24, 3, 1, 0, 0, 0}, 10, {3});
    const auto set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 9, 0, 0});
    ASSERT_TRUE(set);
    EXPECT_EQ(Dates(*set), archive);
    ASSERT_GE(starts.size(), 3u);
    EXPECT_EQ(starts[1][3], 2);  // after 00:00 and 01:00
    EXPECT_EQ(starts[2][3], 5);  // after 02:00 and 04:00, not 04:00 again
    EXPECT_EQ(set->header.recordCount, 9u);
    EXPECT_EQ(set->header.Kind(), "HOU");
    EXPECT_EQ(set->header.end, (bytes::ControllerDateTime{24, 3, 1, 9, 0, 0}));
}

TEST_F(DataReadingTest, EachArchiveAsksWithItsOwnRequestAndStopsBehindAShortReply) {
    struct Case {
        DataKind kind;
        bytes::ControllerDateTime start;
        int records;
        std::size_t requests;
    };
    const Case cases[] = {
        {DataKind::ChrMinute, {24, 3, 1, 10, 6, 0}, 5, 3},
        {DataKind::ChrDay, {24, 3, 1, 0, 0, 0}, 4, 3},
        {DataKind::WmtMinute, {24, 3, 1, 10, 0, 0}, 17, 3},
        {DataKind::WmtHour, {24, 3, 1, 0, 0, 0}, 7, 1},
    };
    for (const Case& c : cases) {
        archive.clear();
        starts.clear();
        requests = 0;
        Fill(c.kind, c.start, c.records);
        const auto set = Read(c.start, {24, 12, 1, 0, 0, 0});
        ASSERT_TRUE(set) << int(c.kind);
        EXPECT_EQ(Dates(*set), archive) << int(c.kind);
        EXPECT_EQ(starts.size(), c.requests) << int(c.kind);
        EXPECT_TRUE(op.messages.empty()) << op.messages.front().text1;
    }
}

TEST_F(DataReadingTest, TheWindowQuestionYesOnceLetsTheRestThroughNoKeepsTheRecordAndEnds) {
    // After 00:00 and 01:00 the controller sends 04:00 and 05:00, both after the period's end.
    Fill(DataKind::ChrHour, {24, 3, 1, 0, 0, 0}, 10, {2, 3});
    op.answers = {true};
    auto set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 2, 0, 0});
    ASSERT_TRUE(set);
    EXPECT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(set->Count(), 4u);
    EXPECT_EQ(ending, archive::ReadingEnd::Complete);

    op.messages.clear();
    requests = 0;
    set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 2, 0, 0});  // answered "Нет"
    ASSERT_TRUE(set);
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].text1, "Передаваемые контроллером данные не соответствуют");
    EXPECT_EQ(Dates(*set).back(),
              (bytes::ControllerDateTime{24, 3, 1, 4, 0, 0}));  // the offending one is kept
    EXPECT_EQ(set->Count(), 3u);
    // Refused, the reading is cut short; the header's period ends with the last hour read in it.
    EXPECT_EQ(ending, archive::ReadingEnd::Refused);
    EXPECT_EQ(set->header.end, (bytes::ControllerDateTime{24, 3, 1, 1, 0, 0}));
}

TEST_F(DataReadingTest, AControllerThatRepeatsItsRecordsEndsTheReadingWithWhatWasNew) {
    struct Case {
        DataKind kind;
        bytes::ControllerDateTime start;
        std::size_t count;
    };
    // The repeated 3-minute records are out of the window and asked about; days are not.
    for (const Case& c : {Case{DataKind::WmtMinute, {24, 3, 1, 10, 0, 0}, 8},
                          Case{DataKind::ChrDay, {24, 3, 1, 0, 0, 0}, 2},
                          Case{DataKind::WmtDay, {24, 3, 1, 0, 0, 0}, 8}}) {
        archive.clear();
        requests = 0;
        Fill(c.kind, c.start, 40);
        repeat = true;
        op.answers = {true};
        const auto set = Read(c.start, {24, 12, 1, 0, 0, 0});
        ASSERT_TRUE(set) << int(c.kind);
        EXPECT_EQ(set->Count(), c.count) << int(c.kind);
        EXPECT_EQ(requests, 2) << int(c.kind);
        EXPECT_EQ(op.messages.back().text1, "Контроллер повторно передал уже прочитанные данные.");
        EXPECT_EQ(ending, archive::ReadingEnd::Refused) << int(c.kind);
    }
}

TEST_F(DataReadingTest, DaysMissingFromTheArchiveNeitherRepeatNorHideTheDaysAfterThem) {
    for (const DataKind k : {DataKind::ChrDay, DataKind::WmtDay}) {
        archive.clear();
        Fill(k, {24, 3, 1, 0, 0, 0}, 20, {1, 2, 3, 9, 11});
        const auto set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 20, 0, 0, 0});
        ASSERT_TRUE(set) << int(k);
        EXPECT_EQ(Dates(*set), archive) << int(k);
        EXPECT_TRUE(op.messages.empty()) << op.messages.front().text1;
    }
}

TEST_F(DataReadingTest, FailuresCountsAndEscEndTheReadingAsTheOperatorIsTold) {
    Fill(DataKind::ChrHour, {24, 3, 1, 0, 0, 0}, 10);
    failFrom = 1;
    EXPECT_FALSE(Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 9, 0, 0}));
    EXPECT_EQ(op.messages.back().text2, "не прочитаны");
    EXPECT_EQ(op.shownStatus, "Устройство не отвечает");
    EXPECT_EQ(ending, archive::ReadingEnd::NothingShown);

    // Cut short, the header's period ends with the last hour read, not the one asked for.
    requests = 0;
    failFrom = 3;
    auto set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 9, 0, 0});
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Count(), 4u);
    EXPECT_EQ(op.messages.back().text2, "прочитаны не полностью");
    EXPECT_EQ(ending, archive::ReadingEnd::LinkFailed);
    EXPECT_EQ(set->header.start, (bytes::ControllerDateTime{24, 3, 1, 0, 0, 0}));
    EXPECT_EQ(set->header.end, (bytes::ControllerDateTime{24, 3, 1, 3, 0, 0}));

    // A count beyond what the frame holds is a failed request, never records read past it.
    requests = 0;
    failFrom.reset();
    overCountAt = 2;
    set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 9, 0, 0});
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Count(), 2u);
    EXPECT_EQ(op.shownStatus, "Длина ответа не соответствует запросу");
    EXPECT_EQ(ending, archive::ReadingEnd::LinkFailed);

    requests = 0;
    overCountAt = 0;
    op.escAtPump = op.eventPumps + 2;
    set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 9, 0, 0});
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Count(), 4u);
    EXPECT_FALSE(op.Interrupted());
    EXPECT_EQ(ending, archive::ReadingEnd::Interrupted);
    EXPECT_EQ(set->header.end, (bytes::ControllerDateTime{24, 3, 1, 3, 0, 0}));

    // Read to its end, it keeps the period asked for.
    requests = 0;
    set = Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 9, 0, 0});
    ASSERT_TRUE(set);
    EXPECT_EQ(ending, archive::ReadingEnd::Complete);
    EXPECT_EQ(set->header.end, (bytes::ControllerDateTime{24, 3, 1, 9, 0, 0}));
}

TEST_F(DataReadingTest, AnEmptyPeriodSaysSoAndTheHeaderNamesTheRunAndDevice) {
    for (const DataKind k : {DataKind::ChrHour, DataKind::ChrDay, DataKind::WmtHour,
                             DataKind::WmtDay, DataKind::ChrMinute}) {
        archive.clear();
        op.messages.clear();
        Fill(k, {24, 3, 1, 0, 0, 0}, 3);
        EXPECT_FALSE(Read({24, 5, 1, 0, 0, 0}, {24, 5, 9, 0, 0, 0})) << int(k);
        ASSERT_EQ(op.messages.size(), 1u) << int(k);
        EXPECT_EQ(op.messages.back().text1, "Нет данных за указанный период") << int(k);
    }

    archive.clear();
    Fill(DataKind::ChrDay, {24, 3, 1, 0, 0, 0}, 3);

    const char run2[] = "Нитка Б";
    std::copy(std::begin(run2), std::end(run2) - 1, image.Field(5, 2).begin());
    const auto set = Read({24, 3, 1, 10, 0, 0}, {24, 3, 3, 10, 0, 0}, 1);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->header.source, 0x10);
    EXPECT_EQ(set->header.start,
              (bytes::ControllerDateTime{24, 3, 1, 0, 0, 0}));  // a daily period keeps 3 bytes
    EXPECT_EQ(set->header.serialNumber, 7u);
    EXPECT_EQ(op.last.first, op.last.second);
}

TEST_F(DataReadingTest, ALinkLeftWhereTheWorkFileGoesIsReplacedNeverWrittenThrough) {
    namespace fs = std::filesystem;
    Fill(DataKind::ChrHour, {24, 3, 1, 0, 0, 0}, 3);
    const fs::path work = dir / gasdata::kWorkFile;
    std::ofstream(dir / "victim") << "kept";
    fs::create_symlink(dir / "victim", work);
    ASSERT_TRUE(Read({24, 3, 1, 0, 0, 0}, {24, 3, 1, 2, 0, 0}));
    EXPECT_EQ(fs::file_size(dir / "victim"), 4u);
    EXPECT_EQ(fs::symlink_status(work).type(), fs::file_type::regular);
    EXPECT_EQ(fs::status(work).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST(ExpectedDate, MovesOneStepPastTheRecordAndNeverBackAndDaysOneDayPerRecord) {
    EXPECT_EQ(gasdata::NextExpected(DataKind::ChrHour, {24, 3, 1, 5, 0, 0}, {24, 3, 1, 8, 0, 0}),
              (bytes::ControllerDateTime{24, 3, 1, 9, 0, 0}));
    // A day moves on one day per record, whatever date the record carries, unless it lies further.
    EXPECT_EQ(gasdata::NextExpected(DataKind::ChrDay, {24, 3, 5, 0, 0, 0}, {24, 3, 4, 10, 0, 0}),
              (bytes::ControllerDateTime{24, 3, 6, 0, 0, 0}));
    EXPECT_EQ(gasdata::NextExpected(DataKind::ChrDay, {24, 3, 5, 0, 0, 0}, {24, 3, 6, 10, 0, 0}),
              (bytes::ControllerDateTime{24, 3, 6, 0, 0, 0}));
    EXPECT_EQ(gasdata::NextExpected(DataKind::WmtDay, {24, 3, 5, 0, 0, 0}, {24, 3, 9, 10, 0, 0}),
              (bytes::ControllerDateTime{24, 3, 9, 0, 0, 0}));
    EXPECT_EQ(
        gasdata::NextExpected(DataKind::WmtMinute, {24, 3, 1, 10, 0, 0}, {24, 3, 1, 10, 2, 7}),
        (bytes::ControllerDateTime{24, 3, 1, 10, 3, 0}));
}

TEST(AllowedWindow, FollowsEachArchivesRule) {
    struct Case {
        DataKind kind;
        bytes::ControllerDateTime expected;
        bytes::ControllerDateTime record;
        bool allowed;
    };
    const bytes::ControllerDateTime end{24, 3, 10, 0, 0, 0};
    const Case cases[] = {
        {DataKind::WmtMinute, {24, 3, 1, 10, 0, 0}, {24, 3, 1, 10, 3, 0}, true},
        {DataKind::WmtMinute, {24, 3, 1, 10, 0, 0}, {24, 3, 1, 10, 4, 0}, false},
        {DataKind::WmtMinute, {24, 3, 1, 10, 3, 0}, {24, 3, 1, 10, 6, 0}, true},
        {DataKind::ChrMinute, {24, 3, 1, 10, 3, 0}, {24, 3, 1, 10, 0, 0}, false},
        {DataKind::ChrMinute, {24, 3, 1, 10, 3, 0}, {24, 3, 2, 10, 0, 0}, true},
        {DataKind::ChrDay, {24, 3, 5, 0, 0, 0}, {24, 3, 4, 10, 0, 0}, true},
        {DataKind::ChrDay, {24, 3, 5, 0, 0, 0}, {24, 3, 3, 10, 0, 0}, false},
        {DataKind::ChrDay, {24, 3, 5, 0, 0, 0}, {24, 3, 11, 10, 0, 0}, true},
        {DataKind::ChrDay, {24, 3, 5, 0, 0, 0}, {24, 3, 12, 10, 0, 0}, false},
        {DataKind::WmtHour, {24, 3, 5, 7, 0, 0}, {24, 3, 5, 7, 30, 0}, true},
        {DataKind::WmtHour, {24, 3, 5, 7, 0, 0}, {24, 3, 10, 1, 0, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gasdata::InAllowedWindow(c.kind, c.expected, end, c.record), c.allowed)
            << int(c.kind) << " " << int(c.record[2]) << " " << int(c.record[3]) << ":"
            << int(c.record[4]);
    }
}

}  // namespace
}  // namespace zor06::test
