#include "messages/message_records.h"

#include <algorithm>
#include <string_view>

#include "bytes/fields.h"
#include "link/crc16.h"
#include "text/codepage.h"

namespace zor06::messages {

static_assert(bytes::SizeOf<InterventionRecord>() == kInterventionSize);
static_assert(bytes::SizeOf<DiagnosticRecord>() == kDiagnosticSize);

InterventionRecord InterventionRecord::Decode(
    std::span<const std::uint8_t, kInterventionSize> bytes) {
    return bytes::DecodeExact<InterventionRecord>(bytes);
}

std::array<std::uint8_t, kInterventionSize> InterventionRecord::Encode() const {
    auto b = bytes::Encode(*this);
    link::PutCrc16(b.data(), kInterventionSize - 2);
    return b;
}

DiagnosticRecord DiagnosticRecord::Decode(std::span<const std::uint8_t, kDiagnosticSize> bytes) {
    return bytes::DecodeExact<DiagnosticRecord>(bytes);
}

std::array<std::uint8_t, kDiagnosticSize> DiagnosticRecord::Encode() const {
    auto b = bytes::Encode(*this);
    link::PutCrc16(b.data(), kDiagnosticSize - 2);
    return b;
}

bool RecordValid(std::span<const std::uint8_t> record) {
    return !record.empty() && link::Crc16(record) == 0;
}

float FloatOf(const Value4& value) {
    return bytes::ByteReader(value).F32();
}

Value4 BytesOf(float value) {
    Value4 out{};
    bytes::ByteWriter(out).F32(value);
    return out;
}

std::string NameText(const std::array<std::uint8_t, 4>& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return text::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::size_t>(end - bytes.begin())));
}

}  // namespace zor06::messages
