#pragma once

#include <cstdint>

namespace zor06::link {

enum class LinkKind : std::uint8_t {
    Direct = 0,     // RS-232/RS-485 line driven by the PC's serial port
    Telephone = 1,  // the same port, through a modem
    Ethernet = 2,   // TCP client to the controller or its converter
};

}  // namespace zor06::link
