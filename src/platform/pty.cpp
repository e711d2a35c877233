#include "platform/pty.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include "platform/fail_step.h"

namespace zor06::platform {

namespace {

bool Fail(int fd, const char* step, std::string* error) {
    FailStep(fd, step, error);
    return false;
}

}  // namespace

bool OpenPty(PtyPair* pair, std::string* error) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        return Fail(master, "posix_openpt", error);
    }
    if (fcntl(master, F_SETFD, FD_CLOEXEC) != 0) {
        return Fail(master, "fcntl", error);
    }
    if (grantpt(master) != 0) {
        return Fail(master, "grantpt", error);
    }
    if (unlockpt(master) != 0) {
        return Fail(master, "unlockpt", error);
    }
    char name[128];
    if (ptsname_r(master, name, sizeof name) != 0) {
        return Fail(master, "ptsname", error);
    }
    // Settings made through the master belong to the slave side, so the slave is raw before
    // anyone opens it and no byte is echoed or translated on the way.
    termios raw{};
    if (tcgetattr(master, &raw) != 0) {
        return Fail(master, "tcgetattr", error);
    }
    cfmakeraw(&raw);
    if (tcsetattr(master, TCSANOW, &raw) != 0) {
        return Fail(master, "tcsetattr", error);
    }
    pair->master = master;
    pair->slavePath = name;
    return true;
}

}  // namespace zor06::platform
