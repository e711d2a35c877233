// The simulator as a program: the transport the options name, announced with one line on stdout,
// served until SIGTERM or SIGINT.
#pragma once

#include "zor06-sim/options.h"

namespace zor06::sim {

// The exit status: 0 after a stop signal, 1 when the transport failed.
int RunSimulator(const Options& options);

}  // namespace zor06::sim
