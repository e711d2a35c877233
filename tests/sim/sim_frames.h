// Request frames as the PC sends them and checks of the replies, laid out byte by byte here
// rather than by the PC-side engine, so that the simulator is checked against the frame layout
// itself.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "link/crc16.h"

namespace zor06::sim::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Request(std::uint8_t address, std::uint8_t code, const Bytes& data = {}) {
    Bytes frame{0xCC, address, static_cast<std::uint8_t>(data.size() + 6), code};
    frame.insert(frame.end(), data.begin(), data.end());
    frame.resize(frame.size() + 2);
    link::PutCrc16(frame.data(), frame.size() - 2);
    return frame;
}

inline Bytes ReadRequest(std::uint8_t address, int table, int first, int count) {
    return Request(address, 1,
                   {0, static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                    static_cast<std::uint8_t>(count)});
}

// Password blank-padded to 12 bytes, identification code blank-padded to 4.
inline Bytes Credentials(std::string_view password, std::string_view code = "") {
    Bytes data(16, ' ');
    for (std::size_t i = 0; i < password.size() && i < 12; ++i) {
        data[i] = static_cast<std::uint8_t>(password[i]);
    }
    for (std::size_t i = 0; i < code.size() && i < 4; ++i) {
        data[12 + i] = static_cast<std::uint8_t>(code[i]);
    }
    return data;
}

// The demonstration controller's administrator.
constexpr std::string_view kAdminPassword = "2222";
constexpr std::string_view kAdminCode = "2";

inline Bytes WriteRequest(std::uint8_t address, int table, int first, int count,
                          const Bytes& values, std::string_view password = kAdminPassword,
                          std::string_view code = kAdminCode) {
    Bytes data = Credentials(password, code);
    data.insert(data.end(), {0, static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                             static_cast<std::uint8_t>(count)});
    data.insert(data.end(), values.begin(), values.end());
    return Request(address, 2, data);
}

inline Bytes ClockRequest(std::uint8_t address, std::int16_t seconds,
                          std::string_view password = kAdminPassword,
                          std::string_view code = kAdminCode) {
    Bytes data = Credentials(password, code);
    const auto raw = static_cast<std::uint16_t>(seconds);
    data.push_back(static_cast<std::uint8_t>(raw & 0xFF));
    data.push_back(static_cast<std::uint8_t>(raw >> 8));
    return Request(address, 12, data);
}

// A well-formed reply: start byte, its own length in byte 2, checksum over all bytes 0.
inline bool ValidReply(std::span<const std::uint8_t> reply) {
    return reply.size() >= 6 && reply[0] == 0x33 && reply[2] == reply.size() &&
           link::Crc16(reply) == 0;
}

// Bytes 8.. of a read reply: the values.
inline Bytes Values(const Bytes& reply) {
    return {reply.begin() + 8, reply.end() - 2};
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

}  // namespace zor06::sim::testing
