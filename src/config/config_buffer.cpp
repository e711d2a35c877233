#include "config/config_buffer.h"

#include <algorithm>

#include "bytes/byte_writer.h"
#include "config/flow_computers.h"
#include "config/limits_editor.h"
#include "config/users_table.h"
#include "text/codepage.h"

namespace zor06::config {
namespace {

constexpr std::size_t kPasswordInRecord = 4;

void Put(ConfigBuffer& b, ConfigPart p, std::initializer_list<std::uint8_t> values) {
    std::copy(values.begin(), values.end(), b.Part(p).begin());
}

// Every password byte of the sixteen flow-computer records, in place.
void TransformPasswords(std::span<std::uint8_t, kConfigSize> bytes) {
    for (std::size_t i = 0; i < kMaxFlowComputers; ++i) {
        const std::size_t at =
            part::kFlowComputers.offset + i * kFlowRecordSize + kPasswordInRecord;
        for (std::size_t j = 0; j < kFlowPasswordSize; ++j) {
            bytes[at + j] = static_cast<std::uint8_t>(4 - bytes[at + j]);
        }
    }
}

}  // namespace

std::span<std::uint8_t> ConfigBuffer::LimitBlock(int kind) {
    return Part(part::kLimits)
        .subspan(static_cast<std::size_t>(kind) * kLimitBlockSize, kLimitBytes);
}

ConfigBuffer NewConfiguration() {
    ConfigBuffer b;
    const auto id = b.Part(part::kIdentification);
    id[1] = 73;  // controller type
    id[3] = 6;   // software version
    const char* const names[] = {"Контроллер ЗОР_06", "Нитка 1", "Нитка 2"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string text = text::Utf8ToCp1251(names[i]);
        std::copy(text.begin(), text.end(),
                  b.Part(part::kNames).begin() + static_cast<long>(i * 20));
    }
    Put(b, part::kUpperLink, {1, 11, 3, 0});
    Put(b, part::kSystem, {3, 201, 3, 10, 201, 4, 9, 1, 0, 1, 0, 1});
    Put(b, part::kChromatograph, {1, 11, 1, 0, 150, 5, 3, 3, 0, 0, 0, 1, 0, 1});
    Put(b, part::kMoisture, {1, 11, 0, 0, 150, 5, 0, 0});
    Put(b, part::kFlowLine, {1, 11, 5, 20, 3, 2});
    for (std::size_t i = 0; i < kMaxFlowComputers; ++i) {
        FlowRecord r;
        r.address = static_cast<std::uint8_t>(i + 1);
        r.password.fill(' ');
        if (i == 0) {
            r.type = 2;
            r.necessity = 0xA3;
            r.byteOrder = 1;
        }
        r.Encode(
            b.Part(part::kFlowComputers).subspan(i * kFlowRecordSize).first<kFlowRecordSize>());
    }
    UsersTable users;
    users.fill(UserRecord::Free());
    EncodeUsers(users, b.Part(part::kUsers).first<kUserSlots * kUserRecordSize>());
    for (const int parameter : {7, 9, 12}) {
        b.Part(part::kWriteChoices)[static_cast<std::size_t>(parameter)] = 1;
    }
    for (int kind = 0; kind < kLimitKinds; ++kind) {
        for (int p = 0; p < kGasParameterCount; ++p) {
            bytes::ByteWriter(b.LimitBlock(kind).subspan(static_cast<std::size_t>(p) * 4, 4))
                .F32(LimitRangeOf(kind, p).defaultValue);
        }
    }
    Put(b, part::kPeriod, {1, 0});
    return b;
}

std::array<std::uint8_t, kConfigSize> ToFileBytes(const ConfigBuffer& buffer) {
    std::array<std::uint8_t, kConfigSize> file = buffer.bytes;
    TransformPasswords(file);
    return file;
}

ConfigBuffer FromFileBytes(std::span<const std::uint8_t, kConfigSize> file) {
    ConfigBuffer buffer;
    std::ranges::copy(file, buffer.bytes.begin());
    TransformPasswords(buffer.bytes);
    return buffer;
}

}  // namespace zor06::config
