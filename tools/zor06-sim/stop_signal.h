// SIGTERM and SIGINT end the simulator cleanly: the handler only raises a flag and wakes the
// serving loop through a pipe the loop polls.
#pragma once

#include <string>

namespace zor06::sim {

// Also ignores SIGPIPE, so that a client hanging up mid-reply is an ordinary write error.
bool InstallStopHandlers(std::string* error);
// Readable once a stop was requested.
int StopDescriptor();
bool StopRequested();
// The same stop from within: a serving loop that failed ends the others with it.
void RequestStop();

}  // namespace zor06::sim
