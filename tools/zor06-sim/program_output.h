// What the simulator tells the process that started it: the start lines on stdout, failures on
// stderr.
#pragma once

#include <string>

namespace zor06::sim {

// A line the starting process waits for; flushed, because stdout is a pipe then.
void Announce(const std::string& line);
// Reports `message` on stderr; returns the exit status of a failed start, 1.
int Fail(const std::string& message);

}  // namespace zor06::sim
