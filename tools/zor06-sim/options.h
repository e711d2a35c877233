// The simulator's command line.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "zor06-sim/controller.h"
#include "zor06-sim/faults.h"
#include "zor06-sim/modem.h"

namespace zor06::sim {

enum class Transport { None, Tcp, Pty, Serial };

struct Options {
    Transport transport = Transport::None;
    std::string tcpHost = "127.0.0.1";
    std::uint16_t tcpPort = 0;
    int fleet = 0;                 // --fleet: controllers on consecutive ports; 0 just one
    std::string fleetSubscribers;  // --fleet-subscribers: the fleet's subscriber list to write
    std::string linkPath;          // --pty: a symlink to the slave device
    std::string serialDevice;
    int baud = 0;  // 0: not given
    ControllerConfig controller;
    FaultOptions faults;
    ModemOptions modem;  // --modem: a Hayes modem in front of the controller (with --pty)
    bool verbose = false;
    bool help = false;
};

struct ParsedOptions {
    Options options;
    std::string error;  // empty when the command line is usable
};

// `args` without the program name.
ParsedOptions ParseOptions(std::span<const std::string_view> args);
std::string_view Usage();

}  // namespace zor06::sim
