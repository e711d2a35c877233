// The speed a client set on a pseudo-terminal, read from the master side (which sees the slave's
// settings), so that a simulated line can refuse to talk at the wrong baud rate.
#pragma once

namespace zor06::sim {

// Bit/s, or -1 when the descriptor's settings cannot be read.
long LineSpeed(int fd);

}  // namespace zor06::sim
