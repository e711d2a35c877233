// Serial ports through termios: raw 8N1 by default, exclusive open, any baud rate through the
// kernel's arbitrary-rate interface.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/byte_channel.h"

namespace zor06::platform {

enum class OpenError {
    None,
    Busy,    // held by another program (counts as present)
    Absent,  // no such device
    Failed,  // exists but refused the settings, or another failure
};

struct SerialSettings {
    int baud = 9600;
    int dataBits = 8;  // clamped to 4..8 (termios takes 5..8)
    int parity = 0;    // 0 none, 1 even, 2 odd, other none
    int stopBits = 0;  // 0 one, 1 one and a half (taken as two), 2 two, other one
    bool dtr = true;
    bool rts = false;
    bool directionControl = false;  // see SerialLine::SetDirectionControl
};

constexpr int kMinBaud = 110;
constexpr int kMaxBaud = 256000;
int ClampBaud(int baud);

// How long `bytes` take on the wire at `baud` (10 bits a character) plus one character of margin:
// the time RS-485 direction control holds RTS after the transmission starts.
Duration TransmitDuration(std::size_t bytes, int baud);

// Opens `device` for reading and writing, exclusively, and applies the settings.
std::unique_ptr<SerialPort> OpenComPort(const std::string& device, const SerialSettings& settings,
                                        OpenError* error, Clock& clock = SystemClock());

// Whether the device exists: it opens, or opening fails only because it is busy.
bool ComPortPresent(const std::string& device);

// The serial devices that exist now: /dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*, /dev/serial/by-id/*.
std::vector<std::string> ListSerialPorts();

// The device of COMn for settings that keep only the number: /dev/ttyS(n-1).
std::string ComPortDevice(int comPort);

}  // namespace zor06::platform
