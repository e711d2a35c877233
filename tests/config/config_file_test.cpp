// Configuration files on disk: what is refused, what opens, how they are saved and named.
#include "config/config_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "tests/support/recording_operator.h"
#include "text/codepage.h"

namespace zor06::config {
namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-cnf-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    static std::string Bytes(const std::array<std::uint8_t, kConfigSize>& file) {
        return {file.begin(), file.end()};
    }
    fs::path dir_;
    test::RecordingOperator op_;
};

TEST_F(ConfigFileTest, RefusesWhatIsNoConfiguration) {
    const std::string good = Bytes(ToFileBytes(NewConfiguration()));
    std::string wrongType = good;
    wrongType[2] = 72;
    std::string version3 = good;
    version3[4] = 3;
    struct Case {
        std::string bytes;
        const char* text1;
    } const cases[] = {
        {good.substr(0, kConfigSize - 1), "Файл x.cnf не является файлом конфигурации"},
        {good + '\0', "Файл x.cnf не является файлом конфигурации"},
        {wrongType, "Файл x.cnf не является файлом конфигурации"},
        {version3, "Файл параметров конфигурации x.cnf подготовлен"},
    };
    for (const Case& c : cases) {
        op_ = {};
        EXPECT_FALSE(ReadConfigFile(Write("x.cnf", c.bytes), op_));
        ASSERT_EQ(op_.messages.size(), 1U);
        EXPECT_EQ(op_.messages[0].text1, c.text1);
        EXPECT_EQ(op_.messages[0].kind, dialogue::MessageKind::Info);
    }
    EXPECT_FALSE(ReadConfigFile(dir_ / "missing.cnf", op_));
    EXPECT_EQ(op_.messages.back().text1, "Ошибка открытия файла");
}

TEST_F(ConfigFileTest, OlderVersionsOpenWithoutTheirIdentification) {
    ConfigBuffer old = NewConfiguration();
    old.bytes[0] = 1;
    old.bytes[4] = 5;
    old.bytes[6] = 42;
    const auto opened = ReadConfigFile(Write("old.cnf", Bytes(ToFileBytes(old))), op_);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->bytes[0], 0);
    EXPECT_EQ(opened->bytes[4], 6);
    EXPECT_EQ(opened->bytes[6], 0);
    EXPECT_EQ(opened->bytes[2], 73);
}

TEST_F(ConfigFileTest, SavesForTheOwnerOnlyAndReopensEveryPasswordByte) {
    ConfigBuffer b = NewConfiguration();
    for (std::size_t j = 0; j < 16; ++j) {
        b.bytes[part::kFlowComputers.offset + 24 + j] = static_cast<std::uint8_t>(j * 17);
    }
    const fs::path path = dir_ / "saved.cnf";
    ASSERT_TRUE(WriteConfigFile(path, b, op_));
    EXPECT_EQ(op_.messages.back().text2, "сохранены в файле saved.cnf");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
    const auto reopened = ReadConfigFile(path, op_);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->bytes, b.bytes);

    EXPECT_FALSE(WriteConfigFile(dir_ / "no-such-dir" / "x.cnf", b, op_));
    EXPECT_EQ(op_.messages.back().text1, "Ошибка записи файла x.cnf");
}

TEST_F(ConfigFileTest, ReplacesAnyFileWithOneForItsOwnerOnlyAndSaysWhenOthersLostAccess) {
    for (const auto& [old, told] : {std::pair{0644, true}, {0640, true}, {0600, false}}) {
        const fs::path path = Write("old.cnf", "old");
        ASSERT_EQ(::chmod(path.c_str(), old), 0);
        op_ = {};
        ASSERT_TRUE(WriteConfigFile(path, NewConfiguration(), op_));
        EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(op_.messages.front().text1 == "Файл old.cnf был доступен другим пользователям;",
                  told)
            << std::oct << old;
    }
}

TEST_F(ConfigFileTest, ProposedNamesReplaceWhatAFileNameMustNotHold) {
    ConfigBuffer b = NewConfiguration();
    std::ranges::fill(b.Part(part::kNames).first(20), std::uint8_t{0});
    const std::string name = text::Utf8ToCp1251("ГРС/1\tА  ");
    std::ranges::copy(name, b.Part(part::kNames).begin());
    EXPECT_EQ(ProposedConfigName(b, {26, 12, 9, 14, 5, 0}), "zor_06-ГРС_1_А-2612091405.cnf");
}

TEST(ConfigCopy, TheImageFillsItsPartsAndLeavesPasswordsBlank) {
    tables::ControllerImage image;
    image.SetByte(15, 0, 9);  // moisture-meter address
    image.SetByte(18, 3, 44);
    image.SetByte(22, 0, 0x7F);
    ConfigBuffer b = NewConfiguration();
    CopyImageToBuffer(image, b);
    EXPECT_EQ(b.bytes[0], 1);
    EXPECT_EQ(b.Part(part::kMoisture)[0], 9);
    EXPECT_EQ(b.Part(part::kFlowComputers)[3 * 20], 44);
    EXPECT_EQ(b.Part(part::kFlowComputers)[3 * 20 + 4], ' ');
    EXPECT_EQ(b.LimitBlock(0)[0], 0x7F);
    EXPECT_EQ(b.bytes[19], 0);
}

}  // namespace
}  // namespace zor06::config
