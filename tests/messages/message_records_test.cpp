// The two message records: where their fields lie, both ways, and their checksum.
#include "messages/message_records.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bytes/fields.h"

namespace zor06::messages {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> Counting() {
    std::array<std::uint8_t, N> b{};
    for (std::size_t i = 0; i < N; ++i) {
        b[i] = static_cast<std::uint8_t>(i + 1);
    }
    return b;
}

TEST(MessageRecords, AnInterventionRecordsFieldsLieAtTheirOffsetsBothWays) {
    const auto b = Counting<kInterventionSize>();
    const InterventionRecord r = InterventionRecord::Decode(b);
    EXPECT_EQ(r.when, (bytes::ControllerDateTime{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r.table, 8);  // byte 6 is not interpreted
    EXPECT_EQ(r.field, 9);
    EXPECT_EQ(r.unit, 10);
    EXPECT_EQ(r.oldValue, (Value4{11, 12, 13, 14}));
    EXPECT_EQ(r.newValue, (Value4{15, 16, 17, 18}));
    EXPECT_EQ(r.user, (Value4{19, 20, 21, 22}));
    auto expected = b;
    expected[6] = 0;
    const auto encoded = r.Encode();
    EXPECT_TRUE(RecordValid(encoded));
    EXPECT_TRUE(std::equal(expected.begin(), expected.end() - 2, encoded.begin()));
    EXPECT_FALSE(bytes::Decode<InterventionRecord>(std::span(b).first(kInterventionSize - 1)));
}

TEST(MessageRecords, ADiagnosticRecordsFieldsLieAtTheirOffsetsBothWays) {
    const auto b = Counting<kDiagnosticSize>();
    const DiagnosticRecord r = DiagnosticRecord::Decode(b);
    EXPECT_EQ(r.when, (bytes::ControllerDateTime{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r.event, 7);
    EXPECT_EQ(r.object, 9);  // byte 7 is not interpreted
    EXPECT_EQ(r.index, 10);
    EXPECT_EQ(r.first, (Value4{11, 12, 13, 14}));
    EXPECT_EQ(r.second, (Value4{15, 16, 17, 18}));
    auto expected = b;
    expected[7] = 0;
    expected[18] = 0;
    expected[19] = 0;
    const auto encoded = r.Encode();
    EXPECT_TRUE(RecordValid(encoded));
    EXPECT_TRUE(std::equal(expected.begin(), expected.end() - 2, encoded.begin()));
    EXPECT_FALSE(bytes::Decode<DiagnosticRecord>(std::span(b).first(kDiagnosticSize - 1)));
}

}  // namespace
}  // namespace zor06::messages
