// The steps of opening a serial device that OpenComPort, ComPortPresent and ListSerialPorts share.
#pragma once

#include <termios.h>

#include <string>

#include "platform/serial_port_posix.h"

namespace zor06::platform {

// Opens `device` non-blocking and claims it exclusively; -1 with `error` set on failure.
int OpenSerialDevice(const std::string& device, OpenError* error);

// Turns `t` into raw mode with the frame format of `settings`; the baud rate is left alone.
void ConfigureRawFrame(termios* t, const SerialSettings& settings);

// ConfigureRawFrame applied to the open terminal `fd`.
bool ApplyLineSettings(int fd, const SerialSettings& settings);

enum class ModemLineResult { Done, NoModemLines, Failed };

// Raises or drops the modem-control lines in `mask` (TIOCM_DTR, TIOCM_RTS).
ModemLineResult SetModemLines(int fd, int mask, bool on);

}  // namespace zor06::platform
