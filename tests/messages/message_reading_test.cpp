// The message-archive reading loop against a scripted controller: batching, the period series,
// every ending and message, the progress range and the header handed to the view.
#include "messages/message_reading.h"
#include "messages/archive_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>

#include "tables/controller_date.h"
#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using messages::Archive;
using messages::MessageSet;
using messages::Period;

// An operator whose Esc comes at a chosen pump of the event loop, and that keeps the progress.
class LoopOperator : public RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        if (eventPumps == escAtPump) {
            RequestInterrupt();
        }
        longOperationSeen = longOperationSeen || InLongOperation();
    }
    void SetProgress(int position, int maximum) override {
        progress.push_back({position, maximum});
    }
    void ShowWait(dialogue::WaitMode mode) override {
        waitShown = mode == dialogue::WaitMode::Reading;
    }
    void HideWait() override { waitShown = false; }

    int escAtPump = -1;
    bool longOperationSeen = false;
    bool waitShown = false;
    std::vector<std::pair<int, int>> progress;
};

// A record of global index `index`: a date that grows one hour per record from 01.03.24 00:00:05,
// then bytes that carry the index.
Bytes Record(std::uint32_t index, std::size_t size) {
    Bytes r(size, static_cast<std::uint8_t>(index * 7 + 1));
    r[0] = 24;
    r[1] = 3;
    r[2] = static_cast<std::uint8_t>(1 + index / 24 % 28);
    r[3] = static_cast<std::uint8_t>(index % 24);
    r[4] = 0;
    r[5] = 5;
    r[6] = static_cast<std::uint8_t>(index);
    r[7] = static_cast<std::uint8_t>(index >> 8);
    return r;
}

struct IndexRequest {
    std::uint32_t start;
    int count;
    bool operator==(const IndexRequest&) const = default;
};

class MessageReadingTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        dir = std::filesystem::temp_directory_path() /
              ("msgread_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
        image.Field(41, 0)[0] = 7;  // a serial number is known: no table 41 request
        Connect([this](const Bytes& t) { return Answer(t); });
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::vector<Chunk> Answer(const Bytes& frame) {
        const std::uint8_t code = frame[3];
        const int n = ++requestCount;
        if (failFrom && n >= *failFrom) {
            return {};
        }
        if (code == 1) {
            const std::uint8_t table = frame[5];
            tableReads.push_back(table);
            if (table == 10 || table == 11) {
                return {At(2, ReadReply(1, table, 0, 2, bounds))};
            }
            if (table == 2) {
                return {At(2, ReadReply(1, 2, 0, 8, Bytes(8, 1)))};
            }
            return {At(2, ReadReply(1, 41, 0, 1, {0x78, 0x56, 0x34, 0x12}))};  // table 41 field 0
        }
        const std::size_t size = frame[5] == 1 ? 24 : 22;
        Bytes data;
        if (code == 7) {
            const std::uint32_t start = frame[6] | frame[7] << 8 | frame[8] << 16 |
                                        static_cast<std::uint32_t>(frame[9]) << 24;
            int count = frame[10];
            indexRequests.push_back({start, count});
            if (shortAt == n) {
                count = shortCount;
            }
            data = Bytes(6, 0);
            data.push_back(static_cast<std::uint8_t>(count));
            for (int i = 0; i < count; ++i) {
                const Bytes r = Record(start + static_cast<std::uint32_t>(i), size);
                data.insert(data.end(), r.begin(), r.end());
            }
            return {At(2, ReplyFrame(1, 0x87, data))};
        }
        sequences.push_back(frame[6]);
        const bool last = n >= periodReplies;
        const int count = emptyFrom && n >= *emptyFrom ? 0 : 2;
        data = {static_cast<std::uint8_t>(errorAt == n ? 0x80 : 0), 0,
                static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(last ? 0 : 1)};
        for (int i = 0; i < count; ++i) {
            const Bytes r = Record(static_cast<std::uint32_t>(2 * (n - 1) + i), size);
            data.insert(data.end(), r.begin(), r.end());
        }
        return {At(2, ReplyFrame(1, 0x88, data))};
    }

    void ByIndex(Archive a, std::uint32_t start, std::uint32_t count) {
        messages::ReadingContext ctx{tables, dir, [this](const MessageSet& s) { shown = s; }};
        ending = messages::ReadMessagesByIndex(ctx, a, start, count);
    }
    void ByPeriod(Archive a, bytes::ControllerDateTime b, bytes::ControllerDateTime e) {
        messages::ReadingContext ctx{tables, dir, [this](const MessageSet& s) { shown = s; }};
        ending = messages::ReadMessagesByPeriod(ctx, a, b, e);
    }
    std::size_t ShownRecords() const {
        return shown ? shown->records.size() / (shown->archive == Archive::Interventions ? 24 : 22)
                     : 0;
    }

    tables::ControllerImage image;
    LoopOperator op;
    tables::TableContext tables{link, image, op, clock};
    std::filesystem::path dir;
    std::optional<MessageSet> shown;
    archive::ReadingEnd ending = archive::ReadingEnd::NothingShown;

    int requestCount = 0;
    std::optional<int> failFrom;  // this request and every later one get no reply
    int shortAt = 0;              // this request by index gets `shortCount` records
    int shortCount = 0;
    int periodReplies = 1;         // the period reply that says nothing more follows
    std::optional<int> emptyFrom;  // period replies from this one hold no record
    int errorAt = 0;               // this period reply carries the archive's error flag
    std::vector<IndexRequest> indexRequests;
    std::vector<std::uint8_t> tableReads;
    Bytes bounds{5, 0, 0, 0, 60, 0, 0, 0};  // boundary table fields: oldest 5, newest 60
    std::vector<std::uint8_t> sequences;
};

struct BatchCase {
    const char* what;
    Archive archive;
    std::uint32_t count;
    int shortAt;
    int shortCount;
    std::vector<IndexRequest> requests;
};

class IndexBatchTest : public MessageReadingTest,
                       public ::testing::WithParamInterface<BatchCase> {};

TEST_P(IndexBatchTest, AsksInBatchesAndRestartsBehindAShortReply) {
    const BatchCase& c = GetParam();
    shortAt = c.shortAt;
    shortCount = c.shortCount;
    ByIndex(c.archive, 100, c.count);
    EXPECT_EQ(indexRequests, c.requests) << c.what;
    ASSERT_TRUE(shown) << c.what;
    std::uint32_t expected = 0;
    for (const IndexRequest& r : c.requests) {
        expected += static_cast<std::uint32_t>(r.count);
    }
    if (c.shortAt != 0) {
        expected -= static_cast<std::uint32_t>(c.requests[c.shortAt - 1].count - c.shortCount);
    }
    EXPECT_EQ(shown->header.recordCount, expected) << c.what;
    EXPECT_EQ(ShownRecords(), expected) << c.what;
    const std::size_t size = c.archive == Archive::Interventions ? 24 : 22;
    // The records are those of consecutive indices from the start, in order.
    for (std::size_t i = 0; i < ShownRecords(); ++i) {
        EXPECT_EQ(Bytes(shown->records.begin() + static_cast<long>(i * size),
                        shown->records.begin() + static_cast<long>((i + 1) * size)),
                  Record(100 + static_cast<std::uint32_t>(i), size))
            << c.what << " record " << i;
    }
    EXPECT_TRUE(op.messages.empty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Readings, IndexBatchTest,
    ::testing::Values(
        BatchCase{
            "25 interventions", Archive::Interventions, 25, 0, 0, {{100, 10}, {110, 10}, {120, 5}}},
        BatchCase{"25 interventions, the second reply holds 7",
                  Archive::Interventions,
                  25,
                  2,
                  7,
                  {{100, 10}, {110, 10}, {117, 8}}},
        BatchCase{
            "25 diagnostics", Archive::Diagnostics, 25, 0, 0, {{100, 11}, {111, 11}, {122, 3}}},
        BatchCase{"one record", Archive::Diagnostics, 1, 0, 0, {{100, 1}}},
        BatchCase{"an empty reply after records ends quietly",
                  Archive::Interventions,
                  25,
                  2,
                  0,
                  {{100, 10}, {110, 10}}}));

TEST_F(MessageReadingTest, TheHeaderDescribesTheReadingByIndex) {
    image.Field(41, 0)[0] = 0;  // unknown serial: read from table 41 before the header
    image.Field(5, 0)[0] = 'K';
    link.address = 1;
    ByIndex(Archive::Interventions, 3, 12);
    ASSERT_TRUE(shown);
    const dataset::HdmHeader& h = shown->header;
    EXPECT_EQ(h.Kind(), "AUD");
    EXPECT_EQ(h.controllerName[0], 'K');
    EXPECT_EQ(h.address, 1);
    EXPECT_EQ(h.serialNumber, 0x12345678u);
    const Bytes first = Record(3, 24);
    const Bytes last = Record(14, 24);
    EXPECT_EQ(Bytes(h.start.begin(), h.start.end()), Bytes(first.begin(), first.begin() + 6));
    EXPECT_EQ(Bytes(h.end.begin(), h.end.end()), Bytes(last.begin(), last.begin() + 6));
    EXPECT_EQ(h.readAt, tables::EncodeNow(clock.LocalDateTime()));
    EXPECT_EQ(shown->mode, messages::ViewMode::ByIndex);
    EXPECT_EQ(shown->startIndex, 3u);
    // The work file holds exactly the records shown.
    EXPECT_EQ(std::filesystem::file_size(dir / "datafile.aud"), shown->records.size());
    EXPECT_FALSE(op.InLongOperation());
    EXPECT_TRUE(op.longOperationSeen);
    EXPECT_FALSE(op.waitShown);
    EXPECT_EQ(op.busyDepth, 0);
}

TEST_F(MessageReadingTest, AStaleInterruptIsClearedAndEscEndsAfterTheCurrentReply) {
    {
        // An Esc of an earlier operation that ended without looking at it.
        const dialogue::LongOperation earlier(op);
        op.RequestInterrupt();
    }
    op.RequestInterrupt();  // and one pressed between the two, when nothing runs
    op.escAtPump = 2;
    ByIndex(Archive::Diagnostics, 0, 50);
    EXPECT_EQ(indexRequests.size(), 2u);
    ASSERT_TRUE(shown);
    EXPECT_EQ(ShownRecords(), 22u);
    EXPECT_FALSE(op.Interrupted());
    EXPECT_EQ(ending, archive::ReadingEnd::Interrupted);
}

TEST_F(MessageReadingTest, AnErrorFlagInTheReplyThatEscEndsIsStillReported) {
    periodReplies = 5;
    errorAt = 2;
    op.escAtPump = 2;
    int busyAtView = -1;
    messages::ReadingContext ctx{tables, dir, [&](const MessageSet& s) {
                                     shown = s;
                                     busyAtView = op.busyDepth;
                                 }};
    messages::ReadMessagesByPeriod(ctx, Archive::Diagnostics, {24, 3, 1, 0, 0, 0},
                                   {24, 3, 2, 0, 0, 0});
    EXPECT_EQ(sequences.size(), 2u);
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].text2, "в архиве диагностических сообщений");
    EXPECT_EQ(ShownRecords(), 4u);
    EXPECT_EQ(busyAtView, 0);  // the view opens with the normal cursor
}

TEST_F(MessageReadingTest, ThePeriodSeriesCountsItsSequenceByteOnAndWrapsPast255) {
    periodReplies = 257;
    ByPeriod(Archive::Diagnostics, {24, 3, 1, 0, 0, 0}, {24, 3, 30, 0, 0, 0});
    ASSERT_EQ(sequences.size(), 257u);
    EXPECT_EQ(sequences[0], 0);
    EXPECT_EQ(sequences[1], 1);
    EXPECT_EQ(sequences[255], 255);  // the 256th request
    EXPECT_EQ(sequences[256], 1);    // the 257th
    EXPECT_EQ(std::set<std::uint8_t>(sequences.begin() + 1, sequences.end()).count(0), 0u);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->header.recordCount, 514u);
    EXPECT_EQ(shown->mode, messages::ViewMode::ByPeriod);
    EXPECT_EQ(Bytes(shown->header.start.begin(), shown->header.start.end()),
              (Bytes{24, 3, 1, 0, 0, 0}));
}

struct EndingCase {
    const char* what;
    bool byPeriod;
    std::optional<int> failFrom;
    std::optional<int> emptyFrom;
    int errorAt;
    int periodReplies;
    std::vector<ShownMessage> messages;
    std::size_t recordsShown;  // 0: the view does not open
    archive::ReadingEnd end;
};

class ReadingEndTest : public MessageReadingTest,
                       public ::testing::WithParamInterface<EndingCase> {};

TEST_P(ReadingEndTest, TellsTheOperatorWhatHappenedAndShowsWhatWasRead) {
    const EndingCase& c = GetParam();
    failFrom = c.failFrom;
    emptyFrom = c.emptyFrom;
    errorAt = c.errorAt;
    periodReplies = c.periodReplies;
    if (c.byPeriod) {
        ByPeriod(Archive::Interventions, {24, 3, 1, 0, 0, 0}, {24, 3, 2, 0, 0, 0});
    } else {
        if (c.emptyFrom) {
            shortAt = *c.emptyFrom;  // a reply by index with no record
        }
        ByIndex(Archive::Interventions, 0, 30);
    }
    ASSERT_EQ(op.messages.size(), c.messages.size()) << c.what;
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_EQ(op.messages[i].kind, c.messages[i].kind) << c.what;
        EXPECT_EQ(op.messages[i].text1, c.messages[i].text1) << c.what;
        EXPECT_EQ(op.messages[i].text2, c.messages[i].text2) << c.what;
    }
    EXPECT_EQ(shown.has_value(), c.recordsShown != 0) << c.what;
    EXPECT_EQ(ShownRecords(), c.recordsShown) << c.what;
    EXPECT_EQ(ending, c.end) << c.what;
    if (shown && c.byPeriod) {
        // A period read to its end keeps the end asked for; one cut short ends at its last record.
        const Bytes last(shown->records.end() - 24, shown->records.end() - 18);
        const Bytes end = c.end == archive::ReadingEnd::Complete ? Bytes{24, 3, 2, 0, 0, 0} : last;
        EXPECT_EQ(Bytes(shown->header.end.begin(), shown->header.end.end()), end) << c.what;
    }
    // The failed request's status stayed in panel 2 only while the wait window was up.
    EXPECT_EQ(op.status[2], "") << c.what;
}

const char* const kTitle = "Сообщения о вмешательствах оператора";

INSTANTIATE_TEST_SUITE_P(
    Endings, ReadingEndTest,
    ::testing::Values(
        EndingCase{"first request by index fails",
                   false,
                   1,
                   {},
                   0,
                   1,
                   {{dialogue::MessageKind::Info, kTitle, "не прочитаны"}},
                   0,
                   archive::ReadingEnd::NothingShown},
        EndingCase{"a later request by index fails",
                   false,
                   3,
                   {},
                   0,
                   1,
                   {{dialogue::MessageKind::Info, kTitle, "прочитаны не полностью"}},
                   20,
                   archive::ReadingEnd::LinkFailed},
        EndingCase{"first reply by index is empty",
                   false,
                   {},
                   1,
                   0,
                   1,
                   {{dialogue::MessageKind::Info, "Нет сообщений с заданными индексами", ""}},
                   0,
                   archive::ReadingEnd::NothingShown},
        EndingCase{"first period request fails",
                   true,
                   1,
                   {},
                   0,
                   5,
                   {{dialogue::MessageKind::Info, kTitle, "не прочитаны"}},
                   0,
                   archive::ReadingEnd::NothingShown},
        EndingCase{"a later period request fails",
                   true,
                   2,
                   {},
                   0,
                   5,
                   {{dialogue::MessageKind::Info, kTitle, "прочитаны не полностью"}},
                   2,
                   archive::ReadingEnd::LinkFailed},
        EndingCase{"first period reply is empty",
                   true,
                   {},
                   1,
                   0,
                   5,
                   {{dialogue::MessageKind::Info, "Нет данных за указанный период", ""}},
                   0,
                   archive::ReadingEnd::NothingShown},
        EndingCase{"an empty period reply after records",
                   true,
                   {},
                   3,
                   0,
                   5,
                   {},
                   4,
                   archive::ReadingEnd::Complete},
        EndingCase{"the error flag in a period reply",
                   true,
                   {},
                   {},
                   2,
                   3,
                   {{dialogue::MessageKind::Info, "Обнаружена ошибка",
                     "в архиве сообщений о вмешательствах"}},
                   6,
                   archive::ReadingEnd::Complete}));

TEST_F(MessageReadingTest, ProgressStaysInsideANonEmptyRange) {
    // A period within one hour has no hours to count, and the records lie past its end.
    periodReplies = 3;
    ByPeriod(Archive::Diagnostics, {24, 3, 1, 0, 0, 0}, {24, 3, 1, 0, 30, 0});
    ASSERT_FALSE(op.progress.empty());
    for (const auto& [position, maximum] : op.progress) {
        EXPECT_EQ(maximum, 1);
        EXPECT_GE(position, 0);
        EXPECT_LE(position, maximum);
    }
    EXPECT_EQ(messages::HoursBetween({24, 2, 28, 23, 59, 0}, {24, 3, 1, 1, 0, 0}), 26);
    EXPECT_EQ(messages::HoursBetween({24, 3, 1, 5, 0, 0}, {24, 3, 1, 2, 0, 0}), -3);
}

struct CommandCase {
    const char* what;
    Bytes bounds;
    bool accept;
    std::vector<std::uint8_t> tableReads;
    int dialogs;
    int indexRequests;
    const char* message;  // "" none
};

class ArchiveCommandTest : public MessageReadingTest,
                           public ::testing::WithParamInterface<CommandCase> {};

TEST_P(ArchiveCommandTest, ReadsTheBoundsThenAsksThenReads) {
    const CommandCase& c = GetParam();
    bounds = c.bounds;
    int dialogs = 0;
    messages::IndexBounds seen;
    messages::ReadingContext ctx{tables, dir, [this](const MessageSet& s) { shown = s; }};
    messages::ReadByIndexCommand(
        ctx, Archive::Interventions,
        [&](const messages::IndexBounds& b) -> std::optional<messages::IndexSelection> {
            ++dialogs;
            seen = b;
            if (!c.accept) {
                return std::nullopt;
            }
            return messages::LastRecords(b, 10);
        });
    EXPECT_EQ(tableReads, c.tableReads) << c.what;
    EXPECT_EQ(dialogs, c.dialogs) << c.what;
    EXPECT_EQ(static_cast<int>(indexRequests.size()), c.indexRequests) << c.what;
    if (c.dialogs != 0) {
        EXPECT_EQ(seen.newest, static_cast<std::uint32_t>(c.bounds[4])) << c.what;
    }
    EXPECT_EQ(op.messages.empty() ? "" : op.messages[0].text1, c.message) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    ByIndex, ArchiveCommandTest,
    ::testing::Values(
        CommandCase{"accepted", {5, 0, 0, 0, 60, 0, 0, 0}, true, {11}, 1, 1, ""},
        CommandCase{"left", {5, 0, 0, 0, 60, 0, 0, 0}, false, {11}, 1, 0, ""},
        CommandCase{
            "empty", {7, 0, 0, 0, 7, 0, 0, 0}, true, {11}, 0, 0, "В архиве нет ни одной записи"},
        CommandCase{"the single record 0", {0, 0, 0, 0, 0, 0, 0, 0}, true, {11}, 1, 1, ""}));

TEST_F(MessageReadingTest, TheCommandByPeriodReadsTheClockBeforeTheDialog) {
    periodReplies = 1;
    messages::ReadingContext ctx{tables, dir, [this](const MessageSet& s) { shown = s; }};
    std::vector<std::uint8_t> readsBeforeDialog;
    messages::ReadByPeriodCommand(ctx, Archive::Diagnostics, [&]() -> std::optional<Period> {
        readsBeforeDialog = tableReads;
        return Period{{24, 3, 1, 0, 0, 0}, {24, 3, 1, 5, 0, 0}};
    });
    EXPECT_EQ(readsBeforeDialog, (std::vector<std::uint8_t>{2}));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->header.end, (bytes::ControllerDateTime{24, 3, 1, 5, 0, 0}));
}

TEST_F(MessageReadingTest, AWorkFileThatCannotBeCreatedStopsBeforeAnyRequest) {
    std::filesystem::create_directories(dir / "datafile.ala");  // a folder in its place
    ByIndex(Archive::Diagnostics, 0, 5);
    EXPECT_EQ(requestCount, 0);
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].text1, "Ошибка открытия файла");
    EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace zor06::test
