#include "link/crc16.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace zor06::link {
namespace {

TEST(Crc16, MatchesTheModbusCheckValue) {
    constexpr std::string_view digits = "123456789";
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(digits.data());
    EXPECT_EQ(Crc16({bytes, digits.size()}), 0x4B37);
}

TEST(Crc16, IsSentLowByteFirstAndMakesTheFrameCheckToZero) {
    std::array<std::uint8_t, 10> frame{0xCC, 0x01, 0x0A, 0x01, 0x00, 0x00, 0x00, 0x12};
    EXPECT_EQ(Crc16({frame.data(), 8}), 0xA9E1);
    PutCrc16(frame.data(), 8);
    EXPECT_EQ(frame[8], 0xE1);
    EXPECT_EQ(frame[9], 0xA9);
    EXPECT_EQ(Crc16(frame), 0);
    frame[5] ^= 0x01;
    EXPECT_NE(Crc16(frame), 0);
}

}  // namespace
}  // namespace zor06::link
