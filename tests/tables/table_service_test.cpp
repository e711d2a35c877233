// Reading and writing tables through the link: splitting, echo checks, the question window and
// which fields a changed editor writes.
#include "tables/table_service.h"
#include "tables/device_link.h"
#include "tables/pc_time.h"

#include <gtest/gtest.h>

#include <numeric>

#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using tables::TableHeader;

// Answers reads and writes as a controller holding `values` (all tables as one image) would.
class TableServiceTest : public LinkTest {
protected:
    void SetUp() override {
        link.attempts = 1;
        link.firstByteTimeoutMs = 100;
        std::iota(controller.bytes.begin(), controller.bytes.end(), std::uint8_t{0});
        channel = &Connect([this](const Bytes& t) { return Answer(t); });
    }
    std::vector<Chunk> Answer(const Bytes& frame) {
        const int table = frame[3] == 1 ? frame[5] : frame[21];
        const int first = frame[3] == 1 ? frame[6] : frame[22];
        const int count = frame[3] == 1 ? frame[7] : frame[23];
        const int echoed = table == misEchoTable ? table + 1 : table;
        if (silent) {
            return {};
        }
        if (frame[3] == 2) {
            writes.push_back({static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                              static_cast<std::uint8_t>(count)});
            return {At(2, ReplyFrame(1, 0x82,
                                     {0, static_cast<std::uint8_t>(echoed),
                                      static_cast<std::uint8_t>(first),
                                      static_cast<std::uint8_t>(count)}))};
        }
        reads.push_back({static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                         static_cast<std::uint8_t>(count)});
        const auto values = controller.Fields(table, first, count);
        Bytes sent(values.begin(), values.end());
        sent.resize(sent.size() - std::min(sent.size(), shortenReadsBy));
        return {
            At(2, ReadReply(1, static_cast<std::uint8_t>(echoed), static_cast<std::uint8_t>(first),
                            static_cast<std::uint8_t>(count), sent))};
    }
    tables::TableContext Context() { return {link, image, op, clock}; }

    tables::ControllerImage controller;
    tables::ControllerImage image;
    RecordingOperator op;
    ScriptedChannel* channel = nullptr;
    std::vector<TableHeader> reads;
    std::vector<TableHeader> writes;
    int misEchoTable = -1;
    std::size_t shortenReadsBy = 0;  // value bytes left out of every read reply
    bool silent = false;
};

TEST_F(TableServiceTest, ReadCopiesTheFieldsIntoTheImageWithProgress) {
    auto ctx = Context();
    ASSERT_TRUE(tables::ReadFields(ctx, {4, 2, 3}));
    const auto read = image.Fields(4, 2, 3);
    const auto want = controller.Fields(4, 2, 3);
    EXPECT_TRUE(std::equal(read.begin(), read.end(), want.begin()));
    EXPECT_EQ(image.Byte(4, 1), 0);  // nothing outside the range
    EXPECT_EQ(op.status[2], "");
}

TEST_F(TableServiceTest, AFailedReadAsksAndRepeatsOnYes) {
    silent = true;
    op.answers = {true, false};
    auto ctx = Context();
    EXPECT_FALSE(tables::ReadFields(ctx, {6, 0, 12}));
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Retry);
    EXPECT_EQ(op.messages[0].text1, "Не выполнено чтение из таблицы 6.");
    EXPECT_EQ(op.messages[0].text2, "Устройство не отвечает");
    EXPECT_EQ(channel->transmissions.size(), 2u);

    // Without progress the failure is silent.
    op.messages.clear();
    EXPECT_FALSE(tables::ReadFields(ctx, {6, 0, 12}, false));
    EXPECT_TRUE(op.messages.empty());
}

TEST_F(TableServiceTest, AnEchoOfAnotherTableAsksEvenWithoutProgress) {
    misEchoTable = 6;
    auto ctx = Context();
    EXPECT_FALSE(tables::ReadFields(ctx, {6, 0, 12}, false));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].text1, "Несоответствие запрошенных и переданных данных.");
    EXPECT_EQ(op.messages[0].text2, "Табл. 6 \" Системные параметры\".");

    op.messages.clear();
    EXPECT_FALSE(tables::WriteFields(ctx, {6, 0, 1}));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].text1, "Несоответствие заголовка ответа заголовку запроса на запись.");
}

TEST_F(TableServiceTest, AShortReplyIsRefusedAndAsksEvenWithoutProgress) {
    shortenReadsBy = 2;
    image.Field(6, 0)[0] = 0xAB;
    const Bytes before(image.Fields(6, 0, 12).begin(), image.Fields(6, 0, 12).end());
    op.answers = {true, false};
    auto ctx = Context();
    EXPECT_FALSE(tables::ReadFields(ctx, {6, 0, 12}, false));
    ASSERT_EQ(op.messages.size(), 2u);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Retry);
    EXPECT_EQ(op.messages[0].text1, "Не выполнено чтение из таблицы 6.");
    EXPECT_EQ(op.messages[0].text2, "Длина ответа не соответствует запросу");
    EXPECT_EQ(reads.size(), 2u);
    // Neither the values nor the checksum bytes and zeros behind them reach the image.
    EXPECT_EQ(Bytes(image.Fields(6, 0, 12).begin(), image.Fields(6, 0, 12).end()), before);
}

TEST_F(TableServiceTest, WriteSendsTheImageBytes) {
    image.Field(6, 6)[0] = 10;
    auto ctx = Context();
    ASSERT_TRUE(tables::WriteFields(ctx, {6, 6, 1}));
    const Bytes& frame = channel->transmissions.back();
    EXPECT_EQ(frame[24], 10);  // behind the frame head, the credentials and the header
}

TEST_F(TableServiceTest, UnchangedEditorsWriteNothing) {
    auto ctx = Context();
    const Bytes old(image.Fields(22, 0, 20).begin(), image.Fields(22, 0, 20).end());
    EXPECT_TRUE(tables::WriteChangedFields(ctx, {22, 0, 20}, old));
    EXPECT_TRUE(writes.empty());
}

TEST_F(TableServiceTest, ChangedFieldsGoInTheCheaperRequests) {
    auto ctx = Context();
    const auto old = [&] {
        const auto f = image.Fields(22, 0, 20);
        return Bytes(f.begin(), f.end());
    };
    // Fields 3, 4 and 9 of 4 bytes: the span 3..9 (54 bytes) beats the runs (64).
    Bytes before = old();
    image.Field(22, 3)[0] = 1;
    image.Field(22, 4)[0] = 1;
    image.Field(22, 9)[0] = 1;
    ASSERT_TRUE(tables::WriteChangedFields(ctx, {22, 0, 20}, before));
    EXPECT_EQ(writes, (std::vector<TableHeader>{{22, 3, 7}}));

    // Fields 0 and 19: two requests (60) beat the span (106).
    writes.clear();
    before = old();
    image.Field(22, 0)[1] = 7;
    image.Field(22, 19)[3] = 7;
    ASSERT_TRUE(tables::WriteChangedFields(ctx, {22, 0, 20}, before));
    EXPECT_EQ(writes, (std::vector<TableHeader>{{22, 0, 1}, {22, 19, 1}}));

    // Neighbours go together.
    writes.clear();
    before = old();
    image.Field(22, 5)[0] = 9;
    image.Field(22, 6)[0] = 9;
    ASSERT_TRUE(tables::WriteChangedFields(ctx, {22, 0, 20}, before));
    EXPECT_EQ(writes, (std::vector<TableHeader>{{22, 5, 2}}));
}

TEST_F(TableServiceTest, ReadingAllTablesSplitsLargeOnesAndSkipsPasswords) {
    controller.Field(0, 12)[0] = 1;  // names already in Windows-1251
    auto ctx = Context();
    ASSERT_TRUE(tables::ReadAllTables(ctx));
    EXPECT_EQ(reads.front(), (TableHeader{0, 0, 18}));
    EXPECT_NE(std::find(reads.begin(), reads.end(), TableHeader{4, 0, 11}), reads.end());
    EXPECT_NE(std::find(reads.begin(), reads.end(), TableHeader{4, 11, 5}), reads.end());
    for (const TableHeader& h : reads) {
        EXPECT_NE(h.table, 13);
        EXPECT_TRUE(h.table == 0 || tables::Table(h.table).writable) << int(h.table);
    }
    EXPECT_EQ(reads.size(), 21u);  // table 0, table 4 twice, and 18 other writable tables
}

TEST_F(TableServiceTest, ReadingAllTablesStopsAtTheFirstFailure) {
    auto ctx = Context();
    misEchoTable = 5;
    EXPECT_FALSE(tables::ReadAllTables(ctx));
    EXPECT_EQ(reads.back().table, 5);
}

}  // namespace
}  // namespace zor06::test

namespace zor06::test {
namespace {

TEST_F(TableServiceTest, ThePcTimeGoesIntoTheClockTableWithWeekdayAndTimeType) {
    // Summer time from the last Sunday of March at 3 h, winter from the last Sunday of October.
    image.SetBytes(6, {3, 0xC9, 3, 10, 0xC9, 4});
    auto ctx = Context();
    ASSERT_TRUE(tables::WritePcTime(ctx));
    ASSERT_EQ(writes, (std::vector<TableHeader>{{2, 0, 8}}));
    // The fake clock stands at day 46000.5 since 30 December 1899: 9 December 2025, 12:00,
    // a Tuesday in winter time.
    const Bytes& frame = channel->transmissions.back();
    EXPECT_EQ(Bytes(frame.begin() + 24, frame.begin() + 32), (Bytes{25, 12, 9, 12, 0, 0, 3, 128}));
}

TEST_F(TableServiceTest, ADeviceLinkIsReadFromItsOwnFieldAndItsAbsenceIsSaid) {
    struct Case {
        tables::Device device;
        std::uint8_t field;
        std::uint8_t stored;
        bool answered;
        tables::DeviceLink want;
        const char* said;  // the message, none when empty
    };
    using enum tables::DeviceLink;
    const Case cases[] = {
        {tables::Device::Chromatograph, 0, 1, true, Present, ""},
        {tables::Device::Chromatograph, 0, 0, true, Absent, "Нет связи с хроматографом"},
        {tables::Device::MoistureMeter, 1, 5, true, Present, ""},
        {tables::Device::MoistureMeter, 1, 0, true, Absent, "Нет связи с влагомером"},
        {tables::Device::MoistureMeter, 1, 1, false, Unread, ""},
    };
    for (const Case& c : cases) {
        op = {};
        reads.clear();
        controller.SetByte(33, c.field, c.stored);
        silent = !c.answered;
        auto ctx = Context();
        EXPECT_EQ(tables::DeviceLinked(ctx, c.device), c.want == Present);
        EXPECT_EQ(tables::ReadDeviceLink(ctx, c.device), c.want);
        if (c.answered) {
            ASSERT_FALSE(reads.empty());
            EXPECT_EQ(reads.front(), (TableHeader{33, c.field, 1}));
        }
        const bool said = *c.said != 0;
        ASSERT_EQ(op.messages.empty(), !said && c.answered) << c.said;
        if (said) {
            EXPECT_EQ(op.messages.front().text1, c.said);
            EXPECT_EQ(op.messages.front().kind, dialogue::MessageKind::Info);
        }
    }
}

}  // namespace
}  // namespace zor06::test
