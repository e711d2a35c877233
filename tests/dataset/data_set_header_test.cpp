// The data-set header: its bytes, and which files the viewing commands accept.
#include "dataset/data_set_header.h"

#include <gtest/gtest.h>

namespace zor06::dataset {
namespace {

HdmHeader Hourly(std::uint8_t source) {
    HdmHeader h;
    h.SetKind("HOU");
    h.source = source;
    return h;
}

TEST(DataSetHeaderTest, FieldsLieAtTheirOffsets) {
    HdmHeader h = Hourly(0x10);
    h.controllerName[0] = 'G';
    h.runName[19] = 'R';
    h.address = 7;
    h.serialNumber = 0x01020304;
    h.readAt = {26, 12, 9, 16, 5, 59};
    h.start = {26, 12, 8, 0, 0, 0};
    h.end = {26, 12, 9, 23, 0, 0};
    h.recordCount = 0xA0B0C0D0;
    const auto b = h.Encode();
    EXPECT_EQ(std::string(b.begin(), b.begin() + 3), "HOU");
    EXPECT_EQ(b[3], 0x10);
    EXPECT_EQ(b[4], 'G');
    EXPECT_EQ(b[43], 'R');
    EXPECT_EQ(b[44], 7);
    EXPECT_EQ(b[45], 6);
    EXPECT_EQ(b[46], 3);
    EXPECT_EQ(b[47], 0x04);
    EXPECT_EQ(b[50], 0x01);
    EXPECT_EQ(b[56], 59);
    EXPECT_EQ(b[57 + 2], 8);
    EXPECT_EQ(b[63 + 3], 23);
    EXPECT_EQ(b[69], 0xD0);
    EXPECT_EQ(b[72], 0xA0);
    EXPECT_EQ(HdmHeader::Decode(b), h);
    EXPECT_EQ(HdmHeader::Decode(std::span(b).first(80)), std::nullopt);
}

TEST(DataSetHeaderTest, AcceptsByKindModelFormatAndDevice) {
    const auto run2 = Hourly(0x10).Encode();
    const auto moisture = Hourly(0x01).Encode();
    HdmHeader oldModel = Hourly(0);
    oldModel.model = 5;
    HdmHeader audit;
    audit.SetKind("AUD");
    struct Case {
        std::span<const std::uint8_t> file;
        std::string_view kind;
        std::optional<Device> device;
        bool accepted;
    };
    const auto oldBytes = oldModel.Encode();
    const auto auditBytes = audit.Encode();
    const Case cases[] = {
        {run2, "HOU", Device::Chromatograph, true},  // the run plays no part
        {moisture, "HOU", Device::Chromatograph, false},
        {moisture, "HOU", Device::MoistureMeter, true},
        {run2, "DAY", Device::Chromatograph, false},
        {oldBytes, "HOU", Device::Chromatograph, false},
        {auditBytes, "AUD", std::nullopt, true},
        {auditBytes, "ALA", std::nullopt, false},
        {std::span(auditBytes).first(50), "AUD", std::nullopt, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceptDataFile(c.file, c.kind, c.device), c.accepted) << c.kind;
    }
}

TEST(DataSetHeaderTest, RecordsPresentNeverExceedTheFileOrTheCount) {
    HdmHeader h = Hourly(0);
    h.recordCount = 0xFFFFFFFF;  // a count that must size nothing
    EXPECT_EQ(RecordsPresent(h, 92 * 3 + 10, 92), 3U);
    h.recordCount = 2;
    EXPECT_EQ(RecordsPresent(h, 92 * 3, 92), 2U);
    EXPECT_EQ(RecordsPresent(h, 0, 92), 0U);
}

}  // namespace
}  // namespace zor06::dataset
