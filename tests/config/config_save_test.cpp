// Saving a configuration where the operator chooses: the proposed name, other names, replacing.
#include "config/config_save.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <fstream>

#include "config/config_file.h"
#include "tests/support/recording_operator.h"

namespace zor06::config {
namespace {

namespace fs = std::filesystem;
using dialogue::FileChoice;

class ConfigSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-save-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Answers each dialog with the next name; an empty name cancels. Empty names past the
    // script cancel too.
    bool Save(std::deque<std::string> names) {
        op_.chooseFile = [this, &names](const FileChoice& choice) -> std::optional<fs::path> {
            choices_.push_back(choice);
            if (names.empty() || names.front().empty()) {
                return std::nullopt;
            }
            const std::string name = names.front();
            names.pop_front();
            return name == "PROPOSED" ? choice.proposed : dir_ / name;
        };
        return SaveConfiguration(NewConfiguration(), dir_, now_, op_);
    }
    // A configuration as the program leaves it: its owner's only.
    void Touch(const std::string& name) {
        std::ofstream(dir_ / name) << "old";
        fs::permissions(dir_ / name, fs::perms::owner_read | fs::perms::owner_write);
    }
    std::uintmax_t Size(const std::string& name) { return fs::file_size(dir_ / name); }

    fs::path dir_;
    bytes::ControllerDateTime now_{26, 12, 9, 15, 42, 7};
    std::vector<FileChoice> choices_;
    test::RecordingOperator op_;
};

TEST_F(ConfigSaveTest, TheProposedNameReplacesAnExistingFileWithoutAQuestion) {
    const std::string proposed = "zor_06-Контроллер ЗОР_06-2612091542.cnf";
    Touch(proposed);
    ASSERT_TRUE(Save({"PROPOSED"}));
    EXPECT_EQ(choices_.at(0).title, "Выбор файла для записи параметров конфигурации");
    EXPECT_EQ(choices_.at(0).proposed, dir_ / proposed);
    EXPECT_EQ(Size(proposed), kConfigSize);
    ASSERT_EQ(op_.messages.size(), 1U);
    EXPECT_EQ(op_.messages[0].text2, "сохранены в файле " + proposed);
}

TEST_F(ConfigSaveTest, AnotherExistingNameIsAskedAboutAndNoChoosesAgain) {
    Touch("other.cnf");
    Touch("abc.cnf");
    op_.answers = {false, true};
    ASSERT_TRUE(Save({"other.cnf", "abc"}));
    EXPECT_EQ(choices_.size(), 2U);
    EXPECT_EQ(Size("other.cnf"), 3U);  // refused: left as it was
    EXPECT_EQ(Size("abc.cnf"), kConfigSize);
    EXPECT_FALSE(fs::exists(dir_ / "abc"));
    ASSERT_GE(op_.messages.size(), 2U);
    EXPECT_EQ(op_.messages[0].kind, dialogue::MessageKind::Question);
    EXPECT_EQ(op_.messages[0].text1, "Файл other.cnf уже есть.");
    EXPECT_EQ(op_.messages[1].text1, "Файл abc.cnf уже есть.");
}

TEST_F(ConfigSaveTest, CancellingWritesNothing) {
    EXPECT_FALSE(Save({""}));
    EXPECT_TRUE(fs::is_empty(dir_));
    EXPECT_TRUE(op_.messages.empty());
}

TEST_F(ConfigSaveTest, AFailedWriteIsReportedAsAFailure) {
    EXPECT_FALSE(Save({"missing-dir/x.cnf"}));
    ASSERT_EQ(op_.messages.size(), 1U);
    EXPECT_EQ(op_.messages[0].kind, dialogue::MessageKind::Error);
}

}  // namespace
}  // namespace zor06::config
