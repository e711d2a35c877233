// The simulator serving a fleet (--fleet N with --tcp): one controller per port, each served by a
// thread of its own so that a slow reply of one never holds up another, all stopped together.
#pragma once

#include "zor06-sim/options.h"

namespace zor06::sim {

// Announces "TCP HOST:PORT" per controller in port order, after the subscriber list (when asked
// for) is written. The exit status: 0 after a stop signal, 1 when a port or the list failed.
int RunFleet(const Options& options);

}  // namespace zor06::sim
