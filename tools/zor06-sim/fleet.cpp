#include "zor06-sim/fleet.h"

#include "text/text_format.h"

namespace zor06::sim {
namespace {

// Two digits at least, so that names sort as the fleet is numbered.
std::string Number(int index) {
    return text::Printf("%02d", index);
}

}  // namespace

ControllerConfig FleetController(const ControllerConfig& options, int index) {
    const auto step = static_cast<unsigned>(index - 1);
    ControllerConfig config = options;
    config.address = static_cast<std::uint8_t>(options.address + step);
    config.serialNumber = options.serialNumber + step;
    config.data.seed = options.data.seed + step;
    const std::string station = "КС-" + Number(index);
    config.names = {"ЗОР_06 " + station, "Нитка 1 " + station, "Нитка 2 " + station};
    return config;
}

FaultOptions FleetFaults(const FaultOptions& options, int index) {
    FaultOptions faults = options;
    if (faults.seed) {
        *faults.seed += static_cast<unsigned>(index - 1);
    }
    return faults;
}

std::string FleetStationName(int index) {
    return "Станция " + Number(index);
}

}  // namespace zor06::sim
