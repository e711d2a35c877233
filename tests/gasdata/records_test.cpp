#include "gasdata/records.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "bytes/fields.h"

namespace zor06::gasdata {
namespace {

TEST(Records, RoundTripKeepsEveryByteAndTheCrcJudgesThem) {
    ChrMinRecord min;
    min.date = {24, 3, 1, 10, 3, 0};
    min.state = 0x82;
    min.statusWord = 0x0101;
    min.reserved = {7, 9};
    min.values.v[kMethane] = 92.5F;
    auto bytes = min.Encode();
    SealRecord(bytes);
    EXPECT_TRUE(RecordCrcValid(bytes));
    const ChrMinRecord back = ChrMinRecord::Decode(bytes);
    EXPECT_EQ(back.Encode(), bytes);
    EXPECT_EQ(back.statusWord, 0x0101);
    EXPECT_FLOAT_EQ(back.values.v[kMethane], 92.5F);
    EXPECT_EQ(bytes[7], 0x01);                      // status word little-endian at offset 7
    EXPECT_EQ(bytes[11 + 4 * kMethane + 3], 0x42);  // 92.5 = 0x42B90000

    bytes[20] ^= 1;
    EXPECT_FALSE(RecordCrcValid(bytes));

    WmtMinRecord w;
    w.statusWord = 0x1234;
    w.values = {-12.5F, 1, 2, 3};
    auto wb = w.Encode();
    EXPECT_EQ(wb[9], 0x34);  // after the two bytes the program keeps without reading
    EXPECT_EQ(WmtMinRecord::Decode(wb).values[0], -12.5F);

    ChrHdRecord hd;
    hd.end = {0x8A, 0, 0};
    hd.status = 0x22;
    EXPECT_EQ(ChrHdRecord::Decode(hd.Encode()).Encode(), hd.Encode());
    WmtHdRecord wh;
    wh.status = 4;
    EXPECT_EQ(WmtHdRecord::Decode(wh.Encode()).status, 4);
}

// Every byte from 1 on, so that a field read from the wrong place shows.
template <class Record>
std::vector<std::uint8_t> Counting() {
    std::vector<std::uint8_t> b(Record::kSize);
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = static_cast<std::uint8_t>(i + 1);
    }
    return b;
}

template <class Record>
void ExpectRoundTripAndBounds() {
    const std::vector<std::uint8_t> b = Counting<Record>();
    const std::optional<Record> r = bytes::Decode<Record>(b);
    ASSERT_TRUE(r);
    const auto back = bytes::Encode(*r);
    EXPECT_EQ(std::vector<std::uint8_t>(back.begin(), back.end()), b);
    EXPECT_FALSE(bytes::Decode<Record>(std::span(b).first(Record::kSize - 1)));
    EXPECT_FALSE(bytes::Decode<Record>(std::span<const std::uint8_t>{}));
}

TEST(Records, EveryLayoutDecodesAndEncodesTheSameBytesAndRefusesShortInput) {
    ExpectRoundTripAndBounds<ChrMinRecord>();
    ExpectRoundTripAndBounds<ChrHdRecord>();
    ExpectRoundTripAndBounds<WmtMinRecord>();
    ExpectRoundTripAndBounds<WmtHdRecord>();
    ExpectRoundTripAndBounds<ChrValues>();
}

TEST(Records, InvalidValuesAreThoseWithEveryExponentBitSet) {
    EXPECT_TRUE(IsInvalidValue(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_TRUE(IsInvalidValue(-std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(IsInvalidValue(std::numeric_limits<float>::max()));
    EXPECT_FALSE(IsInvalidValue(0.0F));
}

}  // namespace
}  // namespace zor06::gasdata
