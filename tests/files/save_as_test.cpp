#include "files/save_as.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <fstream>
#include <string>

#include "platform/file_io.h"
#include "tests/support/recording_operator.h"

namespace zor06::files {
namespace {

namespace fs = std::filesystem;

class SaveAsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-save-as-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        std::ofstream(dir_ / "abc.cnf") << "old";
        std::ofstream(proposed_) << "old";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The dialog answers with each of `names` in turn, then is cancelled.
    void Choose(std::deque<fs::path> names) {
        op_.chooseFile = [this, names](const dialogue::FileChoice&) mutable {
            std::optional<fs::path> next;
            if (!names.empty()) {
                next = names.front();
                names.pop_front();
            }
            return next;
        };
    }

    std::string Read(const fs::path& path) {
        std::string bytes;
        std::string reason;
        platform::ReadWholeFile(path, &bytes, &reason);
        return bytes;
    }

    fs::path dir_;
    fs::path proposed_ = fs::temp_directory_path() /
                         ("zor06-save-as-" + std::to_string(::getpid())) / "zor_06-x.cnf";
    test::RecordingOperator op_;
};

TEST_F(SaveAsTest, ChosenNamesResolveAndOnlyAnotherExistingFileIsAsked) {
    struct Case {
        const char* chosen;  // in the folder; empty for the proposed name
        const char* path;
        bool ask;
    };
    const Case cases[] = {
        {"abc", "abc.cnf", true},  // "abc" would have replaced "abc.cnf" unasked
        {"", "zor_06-x.cnf", false},
        {"new", "new.cnf", false},
        {"new.txt", "new.txt", false},
    };
    for (const Case& c : cases) {
        const fs::path chosen = *c.chosen ? dir_ / c.chosen : proposed_;
        const SaveTarget target = ResolveSaveName(chosen, proposed_, ".cnf");
        EXPECT_EQ(target.path, dir_ / c.path) << c.chosen;
        EXPECT_EQ(target.askOverwrite, c.ask) << c.chosen;
    }
}

TEST_F(SaveAsTest, ARefusedReplacementAsksForAnotherFileAndTheSaveSaysWhere) {
    Choose({dir_ / "abc", dir_ / "new"});
    op_.answers = {false};
    const dialogue::FileChoice choice{"t", dir_, "*.cnf", proposed_};
    ASSERT_TRUE(SaveChosenData(choice, ".cnf", "data", {"Ошибка"}, op_));
    EXPECT_EQ(Read(dir_ / "abc.cnf"), "old");
    EXPECT_EQ(Read(dir_ / "new.cnf"), "data");
    ASSERT_EQ(op_.messages.size(), 2U);
    EXPECT_EQ(op_.messages[0].text1, "Файл abc.cnf уже есть.");
    EXPECT_EQ(op_.messages[1].text1, "Данные сохранены в файле new.cnf.");

    op_ = {};
    Choose({});
    EXPECT_FALSE(SaveChosenData(choice, ".cnf", "data", {"Ошибка"}, op_));
    EXPECT_TRUE(op_.messages.empty());
}

TEST_F(SaveAsTest, AFailedWriteSaysWhatItWasAskedToAndKeepsTheOldFile) {
    // A folder where the file should be: the write fails and the folder stays.
    fs::create_directories(dir_ / "taken.csv");
    struct Case {
        SaveFailure failure;
        std::string text1;
        bool reason;
    };
    const Case cases[] = {
        {{"Ошибка открытия файла"}, "Ошибка открытия файла", true},
        {{"Ошибка открытия файла", false, false}, "Ошибка открытия файла", false},
        {{"Ошибка записи файла", true, true}, "Ошибка записи файла taken.csv", true},
    };
    for (const Case& c : cases) {
        op_ = {};
        Choose({dir_ / "taken.csv"});
        op_.answers = {true};
        const dialogue::FileChoice choice{"t", dir_, "*.csv", dir_ / "taken.csv"};
        EXPECT_FALSE(SaveChosenData(choice, ".csv", "data", c.failure, op_));
        ASSERT_FALSE(op_.messages.empty());
        const auto& shown = op_.messages.back();
        EXPECT_EQ(shown.kind, dialogue::MessageKind::Error);
        EXPECT_EQ(shown.text1, c.text1);
        EXPECT_EQ(shown.text2.empty(), !c.reason) << c.text1;
        EXPECT_TRUE(fs::is_directory(dir_ / "taken.csv"));
    }
}

}  // namespace
}  // namespace zor06::files
