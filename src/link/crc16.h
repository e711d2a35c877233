// CRC-16/MODBUS: polynomial 0xA001 (reflected), initial 0xFFFF, no final XOR, sent low byte first.
// A frame or record is valid when the CRC over all its bytes, checksum included, is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zor06::link {

std::uint16_t Crc16(std::span<const std::uint8_t> bytes);

// Appends nothing: writes the CRC of bytes[0..n-1] at bytes[n], bytes[n+1], low byte first.
void PutCrc16(std::uint8_t* bytes, std::size_t n);

}  // namespace zor06::link
