// Building the request frame of each function code: start byte, address, length, code, the
// code's data with the program user's credentials where it carries them, and the CRC.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "link/frame.h"

namespace zor06::link {

struct Credentials {
    std::span<const std::uint8_t, kPasswordSize> writePassword;
    std::span<const std::uint8_t, kIdCodeSize> idCode;
};

// Whether requests of the code carry the program user's credentials in front of their data.
bool CarriesCredentials(std::uint8_t functionCode);

// Clears `frame` and builds the request into it; returns the frame length L, or 0 for a code
// that is not sent or a write whose values do not fit one frame (nothing to send then).
std::size_t BuildRequestFrame(std::span<std::uint8_t, kFrameCapacity> frame, std::uint8_t address,
                              std::uint8_t functionCode, std::span<const std::uint8_t> data,
                              std::uint8_t channel, const Credentials& credentials);

}  // namespace zor06::link
