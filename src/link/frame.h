// Layout constants of the controller protocol's frames.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zor06::link {

constexpr std::uint8_t kRequestStart = 0xCC;
constexpr std::uint8_t kReplyStart = 0x33;
constexpr std::uint8_t kPreambleByte = 0xFF;
constexpr std::uint8_t kBroadcastAddress = 255;
constexpr std::uint8_t kReplyFlag = 0x80;
constexpr std::size_t kFrameCapacity = 256;
constexpr std::size_t kMaxFrameLength = 255;
constexpr std::size_t kMinFrameLength = 6;    // start, address, length, code, 2 checksum bytes
constexpr std::size_t kCredentialsSize = 16;  // write password 12 + identification code 4
constexpr std::size_t kPasswordSize = 12;
constexpr std::size_t kIdCodeSize = 4;
constexpr std::size_t kMaxReadValueBytes = 245;
constexpr std::size_t kMaxWriteValueBytes = 229;

// Offsets inside a frame.
constexpr std::size_t kOffStart = 0;
constexpr std::size_t kOffAddress = 1;
constexpr std::size_t kOffLength = 2;
constexpr std::size_t kOffCode = 3;
constexpr std::size_t kOffData = 4;

// Offsets inside a request frame: the table header (table, first field, number of fields) of a
// read and of a write, and the values of a write.
constexpr std::size_t kOffReadHeader = kOffData + 1;
constexpr std::size_t kOffWriteHeader = kOffData + kCredentialsSize + 1;
constexpr std::size_t kOffWriteValues = kOffWriteHeader + 3;

namespace code {
constexpr std::uint8_t kReadTable = 1;
constexpr std::uint8_t kWriteTable = 2;
constexpr std::uint8_t kMessagesByIndex = 7;
constexpr std::uint8_t kMessagesByPeriod = 8;
constexpr std::uint8_t kClockCorrection = 12;
constexpr std::uint8_t kArchive3Min = 14;
constexpr std::uint8_t kArchiveHourly = 15;
constexpr std::uint8_t kArchiveDaily = 16;
}  // namespace code

// Error codes the controller puts into byte 4 of an error reply.
namespace error {
constexpr std::uint8_t kUnknownCode = 1;
constexpr std::uint8_t kNoSuchTable = 9;
constexpr std::uint8_t kReadOnly = 12;
constexpr std::uint8_t kFieldRange = 13;
constexpr std::uint8_t kCredentials = 34;
}  // namespace error
constexpr std::uint8_t kErrorRefused = 24;
constexpr std::uint8_t kErrorTableDestroyed = 60;
constexpr std::uint8_t kRefusalTableDestroyed = 49;

}  // namespace zor06::link
