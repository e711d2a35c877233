// Protocol records: what they copy from the controller and from a configuration, their name, and
// the files that keep them.
#include "config/protocol_record.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "config/config_file.h"
#include "config/flow_computers.h"
#include "tables/controller_date.h"
#include "tests/support/recording_operator.h"

namespace zor06::config {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const ProtocolRecord& r) {
    return {r.bytes.begin(), r.bytes.end()};
}

TEST(ProtocolRecordTest, BuildCopiesEveryTableToItsOffset) {
    tables::ControllerImage image;
    struct Case {
        int table;
        int field;
        std::size_t offset;
    } const cases[] = {
        {0, 3, 119},  {3, 0, 134},   {5, 2, 178},   {6, 8, 206},  {9, 0, 210},  {14, 0, 216},
        {15, 0, 230}, {17, 15, 253}, {18, 0, 254},  {19, 1, 271}, {20, 2, 288}, {21, 7, 309},
        {22, 0, 322}, {24, 0, 482},  {26, 19, 718}, {28, 1, 723},
    };
    std::uint8_t value = 1;
    for (const Case& c : cases) {
        image.Field(c.table, c.field)[0] = value++;
    }
    const ProtocolRecord r = BuildProtocolRecord(image, 0xA1B2C3D4, 46000.5);
    value = 1;
    for (const Case& c : cases) {
        EXPECT_EQ(r.At(c.offset), value++) << "table " << c.table;
    }
    EXPECT_EQ(Bytes(r).substr(0, 3), "PRC");
    EXPECT_EQ(r.Checksum(), 0xA1B2C3D4U);
    EXPECT_EQ(r.At(12), 0xD4);
    EXPECT_DOUBLE_EQ(r.CreationDays(), 46000.5);
    EXPECT_EQ(BuildProtocolRecord(image, std::nullopt, 0).Checksum(), std::nullopt);
    EXPECT_EQ(BuildProtocolRecord(image, std::nullopt, 0).At(11), 0);
}

TEST(ProtocolRecordTest, FromConfigurationTakesItsPartsWithoutChecksumOrDate) {
    ConfigBuffer b = NewConfiguration();
    b.bytes[part::kFlowComputers.offset + 2 * kFlowRecordSize] = 42;  // address of the third
    b.LimitBlock(3)[4] = 0x5A;
    const ProtocolRecord r = ProtocolFromConfig(b);
    EXPECT_EQ(r.At(119), 6);
    EXPECT_EQ(r.At(256), 42);
    EXPECT_EQ(r.At(562 + 4), 0x5A);
    EXPECT_EQ(r.At(238), 2);  // type of the first
    EXPECT_EQ(r.At(270), 0xA3);
    EXPECT_EQ(r.At(205), 1);
    EXPECT_EQ(r.At(215), 2);
    EXPECT_EQ(r.Checksum(), std::nullopt);
    EXPECT_EQ(r.CreationDays(), 0);
    EXPECT_TRUE(std::equal(r.Part(prc::kNames).begin(), r.Part(prc::kNames).end(),
                           b.Part(part::kNames).begin()));
}

TEST(ProtocolRecordTest, ProposedNameCarriesVersionAddressAndTime) {
    struct Case {
        double created;
        std::uint8_t address;
        const char* name;
    } const cases[] = {
        {tables::DecodeToPc({26, 12, 9, 14, 5, 30}), 5, "zor_06-a005-2612091405.prc"},
        {tables::DecodeToPc({1, 1, 2, 3, 4, 0}), 255, "zor_06-a255-0101020304.prc"},
        {36160.75, 7, "zor_06-a007-9812311800.prc"},  // 31.12.1998 18:00, before the byte's years
    };
    for (const Case& c : cases) {
        tables::ControllerImage image;
        image.SetByte(0, 3, 6);
        image.SetByte(3, 0, c.address);
        const auto r = BuildProtocolRecord(image, std::nullopt, c.created);
        EXPECT_EQ(ProposedProtocolName(r), c.name);
    }
}

class ProtocolFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-prc-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    test::RecordingOperator op_;
};

TEST_F(ProtocolFileTest, RefusesFilesWithoutTheLetters) {
    for (const std::string& bytes : {std::string("PRD") + std::string(721, '\0'), std::string("PR"),
                                     std::string(), std::string("prc") + std::string(721, 'x')}) {
        op_ = {};
        EXPECT_FALSE(ParseProtocolFile(bytes, "x.prc", op_));
        ASSERT_EQ(op_.messages.size(), 1U);
        EXPECT_EQ(op_.messages[0].kind, dialogue::MessageKind::Error);
        EXPECT_EQ(op_.messages[0].text1, "Файл x.prc не является файлом, содержащим");
        EXPECT_EQ(op_.messages[0].text2, "протокол конфигурации контроллера ЗОР");
    }
}

TEST_F(ProtocolFileTest, ShortFilesAreZeroFilledAndLongOnesCut) {
    struct Case {
        std::string bytes;
        std::size_t defined;
    } const cases[] = {
        {"PRC\x07", 4},
        {"PRC" + std::string(800, '\x07'), kProtocolSize},
    };
    for (const Case& c : cases) {
        const auto r = ParseProtocolFile(c.bytes, "x.prc", op_);
        ASSERT_TRUE(r);
        for (std::size_t i = 3; i < kProtocolSize; ++i) {
            ASSERT_EQ(r->bytes[i], i < c.defined ? 7 : 0) << i;
        }
    }
    EXPECT_TRUE(op_.messages.empty());
}

TEST_F(ProtocolFileTest, WritesAndReadsBackOrSaysItCouldNotOpen) {
    tables::ControllerImage image;
    image.SetText(5, 0, "ГРС-1");
    const auto record = BuildProtocolRecord(image, 77, 45000);
    const fs::path path = dir_ / "a.prc";
    ASSERT_TRUE(WriteProtocolFile(path, record, op_));
    EXPECT_EQ(fs::file_size(path), kProtocolSize);
    const auto back = ReadProtocolFile(path, op_);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes, record.bytes);
    EXPECT_TRUE(op_.messages.empty());

    op_ = {};
    EXPECT_FALSE(WriteProtocolFile(dir_ / "missing" / "a.prc", record, op_));
    EXPECT_FALSE(ReadProtocolFile(dir_ / "none.prc", op_));
    ASSERT_EQ(op_.messages.size(), 2U);
    for (const auto& m : op_.messages) {
        EXPECT_EQ(m.text1, "Ошибка открытия файла");
        EXPECT_EQ(m.kind, dialogue::MessageKind::Error);
    }
}

}  // namespace
}  // namespace zor06::config
