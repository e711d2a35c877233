#include "link/crc16.h"

#include <array>

namespace zor06::link {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t crc = static_cast<std::uint16_t>(i);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1U) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001U)
                             : static_cast<std::uint16_t>(crc >> 1);
        }
        table[i] = crc;
    }
    return table;
}

constexpr auto kTable = MakeTable();

}  // namespace

std::uint16_t Crc16(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t b : bytes) {
        crc = static_cast<std::uint16_t>((crc >> 8) ^ kTable[(crc ^ b) & 0xFFU]);
    }
    return crc;
}

void PutCrc16(std::uint8_t* bytes, std::size_t n) {
    const std::uint16_t crc = Crc16({bytes, n});
    bytes[n] = static_cast<std::uint8_t>(crc & 0xFFU);
    bytes[n + 1] = static_cast<std::uint8_t>(crc >> 8);
}

}  // namespace zor06::link
