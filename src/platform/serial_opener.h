// How the link opens its serial line: the real opener uses termios, tests pass fakes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/serial_port_posix.h"

namespace zor06::platform {

// Opens a serial device with the link's fixed frame format (8N1, DTR on, RTS off) at the line's
// baud rate and with its direction control.
using SerialOpener = std::function<std::unique_ptr<SerialPort>(
    const std::string& device, const LineSettings& line, OpenError* error)>;

SerialOpener SystemSerialOpener();

}  // namespace zor06::platform
