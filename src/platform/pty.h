// Pseudo-terminal pairs: the simulated controller serves the master side, the program opens the
// slave device path like any serial port.
#pragma once

#include <string>

namespace zor06::platform {

struct PtyPair {
    int master = -1;        // owned by the caller
    std::string slavePath;  // e.g. /dev/pts/7
};

// Opens a master in raw mode; false with `error` set on failure.
bool OpenPty(PtyPair* pair, std::string* error);

}  // namespace zor06::platform
