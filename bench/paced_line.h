// The link of a reading benchmark: the simulator at the end of a pseudo-terminal that it paces
// as a serial line of the given speed.
#pragma once

#include "link/hgcbox.h"
#include "tests/support/sim_process.h"

namespace zor06::bench {

// False when the simulator did not start or its line could not be opened.
inline bool OpenPacedLine(test::SimProcess& sim, link::hgcbox& link, int baud) {
    link.portName = sim.PtyPath();
    link.baud = baud;
    link.attempts = 1;
    link.preambles = 5;
    link.firstByteTimeoutMs = 5000;
    link.interByteTimeoutMs = 300;
    return sim.Started() && link.OpenPort();
}

}  // namespace zor06::bench
