// Saved data files: names, round trips, refusals and files cut short.
#include "gasdata/data_file.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "platform/file_io.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using gasdata::DataKind;
using gasdata::DataSet;

DataSet Sample(DataKind kind, int records) {
    DataSet set;
    set.kind = kind;
    set.header.SetKind(gasdata::KindOf(kind).kindLetters);
    set.header.address = 5;
    set.header.source = gasdata::IsChromatograph(kind) ? 0x10 : 0x01;
    const char run[] = "  Нитка/2 ";
    std::copy(std::begin(run), std::end(run) - 1, set.header.runName.begin());
    for (int i = 0; i < records; ++i) {
        std::vector<std::uint8_t> r(gasdata::KindOf(kind).recordSize,
                                    static_cast<std::uint8_t>(i + 1));
        gasdata::SealRecord(r);
        set.records.insert(set.records.end(), r.begin(), r.end());
    }
    set.header.recordCount = static_cast<std::uint32_t>(records);
    return set;
}

std::vector<std::uint8_t> Bytes(const std::string& s) {
    return {s.begin(), s.end()};
}

TEST(DataFile, DefaultNamesFollowTheKind) {
    const bytes::ControllerDateTime day{19, 3, 7, 0, 0, 0};
    // The run name comes from the header bytes (Windows-1251 on the wire): ASCII here.
    DataSet chr = Sample(DataKind::ChrMinute, 1);
    chr.header.runName = {};
    const char run[] = " R/2 ";
    std::copy(std::begin(run), std::end(run) - 1, chr.header.runName.begin());
    EXPECT_EQ(gasdata::DefaultDataFileName(chr, day), "zor_06_005_R_2_190307.mch");
    chr.kind = DataKind::ChrDay;
    EXPECT_EQ(gasdata::DefaultDataFileName(chr, day), "zor_06-005_R_2_190307.dch");
    EXPECT_EQ(gasdata::DefaultDataFileName(Sample(DataKind::WmtHour, 1), day),
              "zor_06_005_190307.hwm");
}

TEST(DataFile, RoundTripsAndRefusesOtherKindsAndDevices) {
    for (const DataKind kind : {DataKind::ChrMinute, DataKind::ChrHour, DataKind::ChrDay,
                                DataKind::WmtMinute, DataKind::WmtHour, DataKind::WmtDay}) {
        const DataSet set = Sample(kind, 3);
        const auto bytes = Bytes(gasdata::EncodeDataFile(set));
        const auto back = gasdata::ParseDataFile(bytes, kind);
        ASSERT_TRUE(back) << int(kind);
        EXPECT_EQ(back->records, set.records);
        EXPECT_EQ(back->header, set.header);
    }
    // Moisture-meter hourly data is not chromatograph hourly data, though both say "HOU".
    const auto moisture = Bytes(gasdata::EncodeDataFile(Sample(DataKind::WmtHour, 2)));
    EXPECT_FALSE(gasdata::ParseDataFile(moisture, DataKind::ChrHour));
    auto run1 = Bytes(gasdata::EncodeDataFile(Sample(DataKind::ChrDay, 2)));
    run1[3] = 0x00;
    EXPECT_FALSE(gasdata::ParseDataFile(run1, DataKind::WmtDay));
    EXPECT_TRUE(gasdata::ParseDataFile(run1, DataKind::ChrDay));
}

TEST(DataFile, AHeaderThatAnnouncesMoreThanTheFileHoldsOpensWithWhatIsThere) {
    auto bytes = Bytes(gasdata::EncodeDataFile(Sample(DataKind::ChrHour, 3)));
    bytes[69] = 0xFF;  // 4 294 967 295 records announced
    bytes[70] = 0xFF;
    bytes[71] = 0xFF;
    bytes[72] = 0xFF;
    bytes.resize(bytes.size() - 50);  // and the last one cut short
    const auto set = gasdata::ParseDataFile(bytes, DataKind::ChrHour);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->Count(), 2u);
    EXPECT_EQ(set->header.recordCount, 2u);
}

TEST(DataFile, SavingAddsTheExtensionAndAWrongFileIsNamedInTheMessage) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("datafile_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    RecordingOperator op;
    const DataSet set = Sample(DataKind::WmtDay, 2);
    const auto choose = [&](const dialogue::FileChoice& c) -> std::optional<std::filesystem::path> {
        EXPECT_EQ(c.title, gasdata::kDataFileSaveTitle);
        return c.dir / "mine";
    };
    op.chooseFile = choose;
    ASSERT_TRUE(gasdata::SaveDataSet(set, dir, {24, 1, 2, 0, 0, 0}, op));
    const auto saved = dir / "DAYDATA" / "mine.dwm";
    EXPECT_EQ(op.messages.back().text1, "Данные сохранены в файле mine.dwm.");
    const auto back = gasdata::ReadDataFile(saved, DataKind::WmtDay, op);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->records, set.records);

    EXPECT_FALSE(gasdata::ReadDataFile(saved, DataKind::WmtHour, op));
    EXPECT_EQ(op.messages.back().text1, "Файл mine.dwm не является файлом, содержащим");
    EXPECT_EQ(op.messages.back().text2, "часовые данные влагомера из архива контроллера");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zor06::test
