// The flow-computer and user records: their fields lie in order, both ways, and short input is
// refused.
#include <gtest/gtest.h>

#include <vector>

#include "bytes/fields.h"
#include "config/flow_computers.h"
#include "config/users_table.h"

namespace zor06::config {
namespace {

template <class Record>
void ExpectRoundTripAndBounds(std::size_t size) {
    std::vector<std::uint8_t> b(size);
    for (std::size_t i = 0; i < size; ++i) {
        b[i] = static_cast<std::uint8_t>(i + 1);
    }
    const std::optional<Record> r = bytes::Decode<Record>(b);
    ASSERT_TRUE(r);
    std::vector<std::uint8_t> back(size);
    EXPECT_TRUE(bytes::EncodeTo(*r, back));
    EXPECT_EQ(back, b);
    EXPECT_FALSE(bytes::Decode<Record>(std::span(b).first(size - 1)));
}

TEST(RecordFields, FlowAndUserRecordsDecodeAndEncodeTheSameBytes) {
    ExpectRoundTripAndBounds<FlowRecord>(kFlowRecordSize);
    ExpectRoundTripAndBounds<UserRecord>(kUserRecordSize);
    std::array<std::uint8_t, kUserRecordSize> b{};
    b[4] = 2;
    b[6] = 'P';
    b[18] = 'C';
    const UserRecord u = UserRecord::Decode(b);
    EXPECT_EQ(u.level, 2);
    EXPECT_EQ(u.password[0], 'P');
    EXPECT_EQ(u.code[0], 'C');
}

}  // namespace
}  // namespace zor06::config
