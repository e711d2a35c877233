// A fleet: several controllers in one simulator, each on a TCP port of its own, told apart by
// their address, serial number, names and archive values, all else as the options say.
#pragma once

#include <string>

#include "zor06-sim/controller.h"
#include "zor06-sim/faults.h"

namespace zor06::sim {

inline constexpr int kMaxFleet = 200;

// The configuration of the fleet's controller `index` (from 1), made from the options' one: the
// first takes the options' address, serial number and seed, each further one the next.
ControllerConfig FleetController(const ControllerConfig& options, int index);
// The faults of that controller: the same, but noise from a seed of its own.
FaultOptions FleetFaults(const FaultOptions& options, int index);
// "Станция 01": the name the fleet's subscriber list gives the controller `index`.
std::string FleetStationName(int index);

}  // namespace zor06::sim
