#include "bytes/fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace zor06::bytes {
namespace {

struct Inner {
    std::array<float, 2> values{};
    bool operator==(const Inner&) const = default;
};

template <class Io>
constexpr void Fields(Io& io, Inner& r) {
    io(r.values);
}

struct Sample {
    ControllerDateTime when{};
    std::uint8_t kind = 0;
    std::int16_t delta = 0;
    Inner inner;
    std::array<char, 3> name{};
    bool operator==(const Sample&) const = default;
};

template <class Io>
constexpr void Fields(Io& io, Sample& r) {
    io(r.when);
    io(r.kind);
    io.Skip(1);
    io(r.delta);
    io(r.inner);
    io(r.name);
}

static_assert(SizeOf<Sample>() == 6 + 1 + 1 + 2 + 8 + 3);

const Sample kSample{{24, 3, 1, 10, 3, 0}, 7, -3, {{1.5F, -2.0F}}, {'A', 'U', 'D'}};
const std::array<std::uint8_t, 21> kSampleBytes{24, 3,    1,    10, 3, 0, 7,    0,   0xFD, 0xFF, 0,
                                                0,  0xC0, 0x3F, 0,  0, 0, 0xC0, 'A', 'U',  'D'};

TEST(Fields, OneListDecodesAndEncodesTheSameBytes) {
    EXPECT_EQ(Encode(kSample), kSampleBytes);
    EXPECT_EQ(DecodeExact<Sample>(kSampleBytes), kSample);
    const std::optional<Sample> decoded = Decode<Sample>(kSampleBytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, kSample);
}

TEST(Fields, ShortInputDecodesToNothingAndShortOutputTakesNothing) {
    for (std::size_t n = 0; n < kSampleBytes.size(); ++n) {
        EXPECT_FALSE(Decode<Sample>(std::span<const std::uint8_t>(kSampleBytes).first(n))) << n;
    }
    std::vector<std::uint8_t> out(kSampleBytes.size() - 1, 0x55);
    EXPECT_FALSE(EncodeTo(kSample, out));
    EXPECT_EQ(out.back(), 'U');  // the field that fitted, not the one that did not
    out.push_back(0);
    EXPECT_TRUE(EncodeTo(kSample, out));
}

}  // namespace
}  // namespace zor06::bytes
