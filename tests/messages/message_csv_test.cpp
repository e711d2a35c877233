// Message views as CSV: the headings, the records of both archives with their commas and quotes,
// and the file the save command writes or says it could not write.
#include "messages/message_csv.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "messages/message_records.h"
#include "platform/file_io.h"
#include "tests/support/csv_reader.h"
#include "tests/support/recording_operator.h"

namespace zor06::messages {
namespace {

using Fields = std::vector<std::string>;

dataset::HdmHeader Header(std::uint32_t count) {
    dataset::HdmHeader h;
    h.address = 5;
    h.start = {26, 12, 1, 8, 30, 0};
    h.end = {26, 12, 9, 17, 45, 59};
    h.recordCount = count;
    return h;
}

// A change of the clock's minute by a user whose name holds quotes.
MessageView Interventions() {
    InterventionRecord r;
    r.when = {26, 12, 9, 16, 5, 7};
    r.table = 2;
    r.field = 4;
    r.oldValue = {5, 0, 0, 0};
    r.newValue = {59, 0, 0, 0};
    r.user = {'"', 'A', '"', '1'};
    const auto bytes = r.Encode();
    return OpenMessageView(Archive::Interventions, Header(1), bytes, ViewMode::ByIndex, 1);
}

TEST(MessageViewCsv, InterventionsQuoteCommasAndQuotesOfTheirTexts) {
    const auto records = test::ParseCsv(MessageViewCsv(Interventions()));
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2U);
    EXPECT_EQ(records->at(0),
              (Fields{"Дата", "Время", "Наименование измененного параметра", "Старое значение",
                      "Новое значение", "Единица измер.", "Имя оператора"}));
    EXPECT_EQ(records->at(1),
              (Fields{"09.12.26", "16:05:07", "Время, минута", "05", "59", "", "\"A\"1"}));
}

TEST(MessageViewCsv, DiagnosticsKeepTheRowOfAnInvalidRecord) {
    DiagnosticRecord r;
    r.when = {26, 12, 1, 0, 0, 1};
    r.event = 3;
    auto bytes = r.Encode();
    bytes.back() ^= 0xFF;
    const MessageView view =
        OpenMessageView(Archive::Diagnostics, Header(1), bytes, ViewMode::ByPeriod, 0);
    const auto records = test::ParseCsv(MessageViewCsv(view));
    ASSERT_TRUE(records.has_value());
    ASSERT_EQ(records->size(), 2U);
    EXPECT_EQ(records->at(0),
              (Fields{"Дата", "Время", "Сообщение Событие", "Сообщение Объект / Причина",
                      "Текущее значение парам.", "Знач. уставки", "Единица измер."}));
    EXPECT_EQ(records->at(1), (Fields{"***", "", "", "", "", "", ""}));
}

class SaveMessageCsvTest : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(dir_); }

    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("zor06-message-csv-" + std::to_string(getpid()));
    test::RecordingOperator op_;
};

TEST_F(SaveMessageCsvTest, ProposesTheSavedFileNameAsCsvAndWritesTheView) {
    const MessageView view = Interventions();
    dialogue::FileChoice asked;
    const auto choose = [&asked](const dialogue::FileChoice& c) {
        asked = c;
        return std::optional(c.proposed);
    };
    op_.chooseFile = choose;
    ASSERT_TRUE(SaveMessageCsv(view, Header(1), dir_, {26, 12, 9}, op_));
    EXPECT_EQ(asked.proposed, dir_ / "zor_06_005_261209.csv");
    EXPECT_EQ(asked.pattern, "*.csv");
    std::string written;
    std::string reason;
    EXPECT_EQ(platform::ReadWholeFile(asked.proposed, &written, &reason),
              platform::ReadStatus::Read);
    EXPECT_EQ(written, MessageViewCsv(view));
    ASSERT_FALSE(op_.messages.empty());
    EXPECT_EQ(op_.messages.back().text1, "Данные сохранены в файле zor_06_005_261209.csv.");
}

TEST_F(SaveMessageCsvTest, AFailedWriteSaysWhyAndLeavesNoFile) {
    std::string reason;
    ASSERT_TRUE(platform::WriteFileAtomically(dir_, "", &reason));  // a file where the folder goes
    const auto choose = [](const dialogue::FileChoice& c) { return std::optional(c.proposed); };
    op_.chooseFile = choose;
    EXPECT_FALSE(SaveMessageCsv(Interventions(), Header(1), dir_, {26, 12, 9}, op_));
    ASSERT_EQ(op_.messages.size(), 1U);
    EXPECT_EQ(op_.messages[0].kind, dialogue::MessageKind::Error);
    EXPECT_EQ(op_.messages[0].text1, "Ошибка записи файла zor_06_005_261209.csv");
    EXPECT_FALSE(op_.messages[0].text2.empty());
    EXPECT_TRUE(std::filesystem::is_regular_file(dir_));
}

}  // namespace
}  // namespace zor06::messages
