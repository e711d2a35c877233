// How the link opens its serial line: the real opener uses termios, tests pass fakes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/serial_port_posix.h"

namespace zor06::platform {

// Opens a serial device at a baud rate with the link's fixed frame format (8N1, DTR on, RTS off).
using SerialOpener = std::function<std::unique_ptr<SerialPort>(const std::string& device, int baud,
                                                               OpenError* error)>;

SerialOpener SystemSerialOpener();

}  // namespace zor06::platform
