// Ending the program in order when the session asks it to (SIGTERM, SIGINT, SIGHUP), so that the
// programs it started and the files it holds are cleaned up as on a normal exit.
#pragma once

namespace zor06::platform {

// Catches the three signals; each then makes one byte readable on the returned descriptor, which
// an event loop watches to quit. -1 when the pipe cannot be made (the signals keep their default).
int WatchQuitSignals();

// In a child process before exec: the child gets SIGTERM when its parent dies, however it dies.
void EndWithParent();

}  // namespace zor06::platform
