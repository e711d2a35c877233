#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "bytes/byte_reader.h"
#include "bytes/byte_writer.h"

namespace zor06::bytes {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ByteReader, ReadsEveryWidthLowByteFirst) {
    const Bytes b{0x01, 0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0x00, 0x00, 0xB9, 0x42};
    ByteReader r(b);
    EXPECT_EQ(r.U8(), 0x01);
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_EQ(r.U32(), 0x12345678U);
    EXPECT_EQ(r.I16(), -2);
    EXPECT_EQ(r.F32(), 92.5F);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.Remaining(), 0U);
}

TEST(ByteReader, AReadPastTheEndTakesNothingYieldsZeroAndFails) {
    const Bytes b{1, 2, 3};
    ByteReader r(b);
    EXPECT_EQ(r.U16(), 0x0201);
    EXPECT_EQ(r.U32(), 0U);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.U8(), 0);  // stays failed, also for what would fit
    EXPECT_TRUE(r.Bytes(1).empty());
    ByteReader empty(std::span<const std::uint8_t>{});
    EXPECT_EQ((empty.Array<4>()), (std::array<std::uint8_t, 4>{}));
    EXPECT_FALSE(empty.Ok());
}

TEST(ByteWriter, WritesEveryWidthLowByteFirstOntoAVector) {
    Bytes out;
    ByteWriter w(out);
    w.U8(1);
    w.U16(0x1234);
    w.I32(-2);
    w.F64(1.0);
    w.Skip(2);
    EXPECT_EQ(out,
              (Bytes{1, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0}));
    EXPECT_EQ(w.Position(), out.size());
}

TEST(ByteWriter, AWritePastTheEndOfASpanWritesNothingAndFails) {
    std::array<std::uint8_t, 3> out{9, 9, 9};
    ByteWriter w(out);
    w.U16(0x0102);
    w.U16(0x0304);
    EXPECT_FALSE(w.Ok());
    EXPECT_EQ(out, (std::array<std::uint8_t, 3>{2, 1, 9}));
}

}  // namespace
}  // namespace zor06::bytes
