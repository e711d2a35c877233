// Saved message files: round trip, refusal of other files, short files, the save dialog.
#include "messages/message_file.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "messages/message_records.h"
#include "messages/saved_line.h"
#include "platform/file_io.h"
#include "tests/support/recording_operator.h"

namespace zor06::messages {
namespace {

namespace fs = std::filesystem;

class MessageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("zor06_msgfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    static dataset::HdmHeader Header(Archive archive) {
        dataset::HdmHeader h;
        h.SetKind(KindOf(archive).kindLetters);
        h.address = 7;
        h.start = {26, 12, 1, 0, 0, 0};
        h.end = {26, 12, 9, 23, 59, 59};
        return h;
    }

    static MessageView ViewOfRecords(int count) {
        std::vector<std::uint8_t> bytes;
        for (int i = 0; i < count; ++i) {
            InterventionRecord r;
            r.when = {26, 12, 9, 10, 0, static_cast<std::uint8_t>(i)};
            r.table = 18;
            r.field = static_cast<std::uint8_t>(i);
            r.newValue = {1, 0, 0, 0};
            r.user = {'I', 'v', 'a', 'n'};
            auto b = r.Encode();
            if (i == 1) {
                b[23] ^= 0x55;
            }
            bytes.insert(bytes.end(), b.begin(), b.end());
        }
        return OpenMessageView(Archive::Interventions, Header(Archive::Interventions), bytes,
                               ViewMode::ByPeriod, 0);
    }

    void Write(const fs::path& path, const std::string& bytes) {
        std::string reason;
        ASSERT_TRUE(platform::WriteFileAtomically(path, bytes, &reason)) << reason;
    }

    fs::path dir_;
};

TEST_F(MessageFileTest, SavedViewReopensWithTheSameRows) {
    const MessageView view = ViewOfRecords(3);
    test::RecordingOperator op;
    const auto choose = [&](const dialogue::FileChoice& c) -> std::optional<fs::path> {
        EXPECT_EQ(c.title, "Введите имя файла для сохранения данных");
        EXPECT_EQ(c.pattern, "*.aud");
        EXPECT_EQ(c.proposed.filename(), "zor_06_007_261209.aud");
        return dir_ / "saved";  // no extension: gets ".aud"
    };
    op.chooseFile = choose;
    ASSERT_TRUE(
        SaveMessageView(view, Header(Archive::Interventions), dir_, {26, 12, 9, 0, 0, 0}, op));
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Info);
    EXPECT_EQ(op.messages[0].text1, "Данные сохранены в файле saved.aud.");
    EXPECT_EQ(op.busyDepth, 0);

    const auto file = ReadMessageFile(dir_ / "saved.aud", Archive::Interventions, op);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->header.recordCount, 3U);
    const MessageView back =
        OpenMessageView(Archive::Interventions, file->header, file->lines, ViewMode::FromFile, 0);
    EXPECT_EQ(back.rows, view.rows);
    EXPECT_EQ(back.rows[1][kDate], kInvalidDate);
    EXPECT_EQ(back.caption, view.caption);
}

TEST_F(MessageFileTest, OtherFilesAreRefusedWithTheKindLine) {
    const std::string aud = EncodeMessageFile(
        Archive::Interventions, Header(Archive::Interventions), ViewOfRecords(1).rows);
    std::string wrongFormat = aud;
    wrongFormat[46] = 2;
    const struct {
        const char* name;
        std::string bytes;
        Archive archive;
        const char* line2;
    } cases[] = {
        {"a.ala", aud, Archive::Diagnostics, "диагностические сообщения контроллера ЗОР_06"},
        {"b.aud", wrongFormat, Archive::Interventions,
         "сообщения о вмешательствах оператора контроллера ЗОР_06"},
        {"c.aud", aud.substr(0, 80), Archive::Interventions,
         "сообщения о вмешательствах оператора контроллера ЗОР_06"},
    };
    for (const auto& c : cases) {
        Write(dir_ / c.name, c.bytes);
        test::RecordingOperator op;
        EXPECT_FALSE(ReadMessageFile(dir_ / c.name, c.archive, op).has_value()) << c.name;
        ASSERT_EQ(op.messages.size(), 1U);
        EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Error);
        EXPECT_EQ(op.messages[0].text1,
                  std::string("Файл ") + c.name + " не является файлом, содержащим");
        EXPECT_EQ(op.messages[0].text2, c.line2);
    }
    test::RecordingOperator op;
    EXPECT_FALSE(ReadMessageFile(dir_ / "missing.aud", Archive::Interventions, op).has_value());
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].text1, "Ошибка открытия файла");
}

TEST_F(MessageFileTest, LinesAreReadUntilTheCountOrTheEndWhicheverFirst) {
    const MessageRow row{"  01.12.26", "  00:00:00", "Пропала связь", "Хроматограф", "", "", ""};
    const std::vector<MessageRow> rows(3, row);
    const std::string full =
        EncodeMessageFile(Archive::Diagnostics, Header(Archive::Diagnostics), rows);
    std::string huge = full;
    huge[69] = huge[70] = huge[71] = huge[72] = static_cast<char>(0xFF);  // count 4 294 967 295
    std::string fewer = full;
    fewer[69] = 2;
    const struct {
        const char* what;
        std::string bytes;
        std::size_t rows;
    } cases[] = {
        {"as announced", full, 3},
        {"cut in the last line", full.substr(0, full.size() - 1), 2},
        {"count beyond the file", huge, 3},
        {"more lines than counted", fewer, 2},
        {"header alone", full.substr(0, dataset::kHeaderSize), 0},
    };
    for (const auto& c : cases) {
        const auto file = ParseMessageFile(
            {reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()},
            Archive::Diagnostics);
        ASSERT_TRUE(file.has_value()) << c.what;
        EXPECT_EQ(file->header.recordCount, c.rows) << c.what;
        EXPECT_EQ(file->lines.size(), c.rows * kDiagnosticLineSize) << c.what;
    }
}

TEST_F(MessageFileTest, OpeningFromTheDialogReadsTheChosenFileOrNothing) {
    fs::create_directories(dir_ / "ALAFILES");
    Write(dir_ / "ALAFILES" / "x.ala",
          EncodeMessageFile(Archive::Diagnostics, Header(Archive::Diagnostics),
                            std::vector<MessageRow>(2)));
    const struct {
        std::optional<fs::path> chosen;
        bool opened;
    } cases[] = {{std::nullopt, false}, {dir_ / "ALAFILES" / "x.ala", true}};
    for (const auto& c : cases) {
        test::RecordingOperator op;
        const auto choose = [&](const dialogue::FileChoice& choice) {
            EXPECT_EQ(choice.title, "Выберите файл с данными");
            EXPECT_EQ(choice.dir, dir_ / "ALAFILES");
            EXPECT_EQ(choice.pattern, "*.ala");
            return c.chosen;
        };
        op.chooseFile = choose;
        const auto file = ChooseMessageFile(Archive::Diagnostics, dir_, op);
        EXPECT_EQ(file.has_value(), c.opened);
        EXPECT_EQ(op.dialogs, std::vector{dialogue::FileDialog::Open});
        EXPECT_TRUE(op.messages.empty());
        if (file) {
            EXPECT_EQ(file->header.recordCount, 2U);
        }
    }
}

TEST_F(MessageFileTest, CancelledOrRefusedReplacementWritesNothing) {
    Write(dir_ / "old.ala", "keep");
    const MessageView view{Archive::Diagnostics, "", "", {}};
    int asked = 0;
    const auto choose = [&](const dialogue::FileChoice&) -> std::optional<fs::path> {
        return ++asked == 1 ? std::optional<fs::path>(dir_ / "old.ala") : std::nullopt;
    };
    test::RecordingOperator op;  // answers "Нет" to the replacement question
    op.chooseFile = choose;
    EXPECT_FALSE(
        SaveMessageView(view, Header(Archive::Diagnostics), dir_, {26, 1, 1, 0, 0, 0}, op));
    EXPECT_EQ(asked, 2);
    ASSERT_EQ(op.messages.size(), 1U);
    EXPECT_EQ(op.messages[0].text1, "Файл old.ala уже есть.");
    std::ifstream in(dir_ / "old.ala");
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "keep");
}

}  // namespace
}  // namespace zor06::messages
