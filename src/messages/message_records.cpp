#include "messages/message_records.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "link/crc16.h"
#include "text/codepage.h"

namespace zor06::messages {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> Take(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), N, out.begin());
    return out;
}

template <std::size_t N>
void Put(std::span<std::uint8_t> bytes, std::size_t offset, const std::array<std::uint8_t, N>& v) {
    std::copy(v.begin(), v.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

static_assert(sizeof(bytes::ControllerDateTime) == 6);
static_assert(sizeof(Value4) == 4);

InterventionRecord InterventionRecord::Decode(
    std::span<const std::uint8_t, kInterventionSize> bytes) {
    InterventionRecord r;
    r.when = Take<6>(bytes, 0);
    r.table = bytes[7];
    r.field = bytes[8];
    r.unit = bytes[9];
    r.oldValue = Take<4>(bytes, 10);
    r.newValue = Take<4>(bytes, 14);
    r.user = Take<4>(bytes, 18);
    return r;
}

std::array<std::uint8_t, kInterventionSize> InterventionRecord::Encode() const {
    std::array<std::uint8_t, kInterventionSize> b{};
    Put(b, 0, when);
    b[7] = table;
    b[8] = field;
    b[9] = unit;
    Put(b, 10, oldValue);
    Put(b, 14, newValue);
    Put(b, 18, user);
    link::PutCrc16(b.data(), kInterventionSize - 2);
    return b;
}

DiagnosticRecord DiagnosticRecord::Decode(std::span<const std::uint8_t, kDiagnosticSize> bytes) {
    DiagnosticRecord r;
    r.when = Take<6>(bytes, 0);
    r.event = bytes[6];
    r.object = bytes[8];
    r.index = bytes[9];
    r.first = Take<4>(bytes, 10);
    r.second = Take<4>(bytes, 14);
    return r;
}

std::array<std::uint8_t, kDiagnosticSize> DiagnosticRecord::Encode() const {
    std::array<std::uint8_t, kDiagnosticSize> b{};
    Put(b, 0, when);
    b[6] = event;
    b[8] = object;
    b[9] = index;
    Put(b, 10, first);
    Put(b, 14, second);
    link::PutCrc16(b.data(), kDiagnosticSize - 2);
    return b;
}

bool RecordValid(std::span<const std::uint8_t> record) {
    return !record.empty() && link::Crc16(record) == 0;
}

float FloatOf(const Value4& bytes) {
    const std::uint32_t bits =
        static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
        static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    return std::bit_cast<float>(bits);
}

Value4 BytesOf(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
            static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
}

std::string NameText(const std::array<std::uint8_t, 4>& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return text::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::size_t>(end - bytes.begin())));
}

}  // namespace zor06::messages
