// The configuration record: where each table lies, the defaults of a new configuration and the
// password transform of its file.
#include "config/config_buffer.h"

#include <gtest/gtest.h>

#include <cstring>

#include "config/flow_computers.h"

namespace zor06::config {
namespace {

float FloatAt(std::span<const std::uint8_t> at) {
    float value = 0;
    std::memcpy(&value, at.data(), 4);  // the test machine is little-endian
    return value;
}

TEST(ConfigBuffer, PartsLieWhereTheFileKeepsThem) {
    const ConfigPart parts[] = {part::kFromController, part::kIdentification, part::kNames,
                                part::kUpperLink,      part::kSystem,         part::kChromatograph,
                                part::kMoisture,       part::kFlowComputers,  part::kWriteChoices,
                                part::kLimits,         part::kPeriod,         part::kUsers,
                                part::kFlowLine};
    for (std::size_t i = 1; i < std::size(parts); ++i) {
        EXPECT_LE(parts[i - 1].offset + parts[i - 1].size, parts[i].offset) << i;
    }
    EXPECT_LE(part::kFlowLine.offset + part::kFlowLine.size, kConfigSize);
    EXPECT_EQ(part::kFlowLine.offset, 2437U);
}

TEST(ConfigBuffer, ANewConfigurationHoldsTheDefaults) {
    ConfigBuffer b = NewConfiguration();
    EXPECT_EQ(b.bytes[0], 0);
    EXPECT_EQ(b.bytes[2], 73);
    EXPECT_EQ(b.bytes[4], 6);
    EXPECT_EQ(b.bytes[29], 0xCA);  // К
    EXPECT_EQ(b.bytes[49], 0xCD);  // Н
    EXPECT_EQ(b.bytes[49 + 7], 0);
    EXPECT_EQ(b.Part(part::kSystem)[1], 201);
    EXPECT_EQ(b.Part(part::kFlowLine)[3], 20);
    const FlowRecord first =
        FlowRecord::Decode(b.Part(part::kFlowComputers).first<kFlowRecordSize>());
    EXPECT_EQ(first.necessity, 0xA3);
    EXPECT_EQ(first.password[15], ' ');
    EXPECT_EQ(b.Part(part::kFlowComputers)[15 * kFlowRecordSize], 16);  // address of the 16th
    EXPECT_EQ(b.Part(part::kWriteChoices)[12], 1);
    EXPECT_EQ(b.Part(part::kWriteChoices)[11], 0);
    EXPECT_FLOAT_EQ(FloatAt(b.LimitBlock(0).subspan(8 * 4)), 5.0F);    // methane zone
    EXPECT_FLOAT_EQ(FloatAt(b.LimitBlock(4).subspan(16 * 4)), 62.0F);  // unused slot 16 too
    EXPECT_EQ(b.Part(part::kUsers)[4], 0);
    EXPECT_EQ(b.Part(part::kUsers)[0], ' ');
    EXPECT_EQ(b.bytes[19], 0);  // spare
}

TEST(ConfigBuffer, PasswordsAreTransformedOnlyInTheFile) {
    ConfigBuffer b = NewConfiguration();
    const std::size_t password = part::kFlowComputers.offset + 4;
    b.bytes[password + 1] = 4;
    b.bytes[password + 2] = 5;
    const auto file = ToFileBytes(b);
    EXPECT_EQ(file[password], 0xE4);  // a blank
    EXPECT_EQ(file[password + 1], 0);
    EXPECT_EQ(file[password + 2], 0xFF);
    EXPECT_EQ(file[part::kFlowComputers.offset], b.bytes[part::kFlowComputers.offset]);
    EXPECT_EQ(file[part::kUsers.offset], b.bytes[part::kUsers.offset]);
    EXPECT_EQ(FromFileBytes(file).bytes, b.bytes);
    for (int v = 0; v < 256; ++v) {
        b.bytes[password + 15 * kFlowRecordSize] = static_cast<std::uint8_t>(v);
        EXPECT_EQ(FromFileBytes(ToFileBytes(b)).bytes, b.bytes) << v;
    }
}

}  // namespace
}  // namespace zor06::config
