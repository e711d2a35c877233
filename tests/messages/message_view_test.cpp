// The view model: captions per mode, invalid records marked, saved lines shown as they are.
#include "messages/message_view.h"

#include <vector>

#include <gtest/gtest.h>

#include "messages/message_records.h"
#include "messages/saved_line.h"
#include "text/codepage.h"

namespace zor06::messages {
namespace {

dataset::HdmHeader Header(std::uint32_t count) {
    dataset::HdmHeader h;
    h.start = {26, 12, 1, 8, 30, 0};
    h.end = {26, 12, 9, 17, 45, 59};
    h.recordCount = count;
    return h;
}

std::vector<std::uint8_t> Diagnostics(int count) {
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < count; ++i) {
        DiagnosticRecord r;
        r.when = {26, 12, 1, 0, 0, static_cast<std::uint8_t>(i)};
        r.event = 3;
        const auto b = r.Encode();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

TEST(MessageViewTest, CaptionNamesTheIndicesOrThePeriod) {
    const struct {
        Archive archive;
        ViewMode mode;
        const char* caption;
    } cases[] = {
        {Archive::Interventions, ViewMode::ByIndex,
         "Сообщения о вмешательствах оператора с индексами от 100 до 104"},
        {Archive::Diagnostics, ViewMode::ByIndex,
         "Диагностические сообщения с индексами от 100 до 104"},
        {Archive::Interventions, ViewMode::ByPeriod,
         "Сообщения о вмешательствах оператора за период с 01.12.26 08:30:00 по 09.12.26 "
         "17:45:59"},
        {Archive::Diagnostics, ViewMode::FromFile,
         "Диагностические сообщения за период с 01.12.26 08:30:00 по 09.12.26 17:45:59"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ViewCaption(c.archive, Header(5), c.mode, 100), c.caption);
    }
}

TEST(MessageViewTest, InvalidRecordsKeepTheirRowAndSetTheMessageOnce) {
    auto bytes = Diagnostics(4);
    bytes[kDiagnosticSize * 1 + 21] ^= 0xFF;  // last byte of the second record
    bytes[kDiagnosticSize * 3 + 6] ^= 0x01;
    const MessageView view =
        OpenMessageView(Archive::Diagnostics, Header(4), bytes, ViewMode::ByPeriod, 0);
    ASSERT_EQ(view.rows.size(), 4U);
    EXPECT_EQ(view.messageLine, kInvalidRecordLine);
    const bool invalid[] = {false, true, false, true};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(view.rows[i][kDate] == kInvalidDate, invalid[i]) << i;
        EXPECT_EQ(view.rows[i][2].empty(), invalid[i]) << i;
    }
    EXPECT_EQ(view.rows[2][kTime], "  00:00:02");
}

TEST(MessageViewTest, AllValidLeavesTheMessageLineEmptyAndDropsAPartialRecord) {
    auto bytes = Diagnostics(3);
    bytes.resize(bytes.size() - 1);
    const MessageView view =
        OpenMessageView(Archive::Diagnostics, Header(3), bytes, ViewMode::ByIndex, 7);
    EXPECT_EQ(view.rows.size(), 2U);
    EXPECT_TRUE(view.messageLine.empty());
}

TEST(MessageViewTest, SavedLinesShowTheirFieldsInModeTwo) {
    const MessageRow row{"    01.12.26", "    08:30:00", "Адрес контроллера", "1", "2", "", "Ivan"};
    std::string lines = EncodeSavedLine(Archive::Interventions, row);
    lines += EncodeSavedLine(Archive::Interventions, MessageRow{kInvalidDate});
    const auto* data = reinterpret_cast<const std::uint8_t*>(lines.data());
    const MessageView view = OpenMessageView(Archive::Interventions, Header(2),
                                             {data, lines.size()}, ViewMode::FromFile, 0);
    ASSERT_EQ(view.rows.size(), 2U);
    EXPECT_EQ(view.rows[0], row);
    EXPECT_EQ(view.rows[1][kDate], kInvalidDate);
    EXPECT_TRUE(view.messageLine.empty());
}

TEST(SavedLineTest, TextsAreCutToTheirFieldKeepingTheTerminator) {
    const std::string longValue(25, '9');
    const struct {
        Archive archive;
        std::size_t cell;
        std::string text;
        std::size_t offset;
        std::size_t width;
    } cases[] = {
        {Archive::Interventions, 3, "Мл. адрес -- ст. байт", 140, 20},
        {Archive::Interventions, 4, longValue, 160, 20},
        {Archive::Interventions, 6, "Admin", 200, 5},
        {Archive::Diagnostics, 3, std::string(120, 'x'), 140, 100},
        {Archive::Diagnostics, 6, longValue, 280, 20},
    };
    for (const auto& c : cases) {
        MessageRow row;
        row[c.cell] = c.text;
        const std::string line = EncodeSavedLine(c.archive, row);
        ASSERT_EQ(line.size(), SavedLineSize(c.archive));
        EXPECT_EQ(line[c.offset + c.width - 1], '\0') << c.text;
        EXPECT_NE(line[c.offset + c.width - 2], '\0') << c.text;
        const auto* data = reinterpret_cast<const std::uint8_t*>(line.data());
        const MessageRow back = DecodeSavedLine(c.archive, {data, line.size()});
        EXPECT_EQ(text::Utf8ToCp1251(back[c.cell]).size(), c.width - 1);
        EXPECT_TRUE(c.text.starts_with(back[c.cell])) << back[c.cell];
        EXPECT_LT(back[c.cell].size(), c.text.size());
    }
}

}  // namespace
}  // namespace zor06::messages
