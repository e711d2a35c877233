#include <asm/termbits.h>
#include <sys/ioctl.h>

#include "platform/serial_baud.h"

namespace zor06::platform {

bool ApplyBaudRate(int fd, int baud) {
    if (baud <= 0) {
        return false;
    }
    termios2 t{};
    if (ioctl(fd, TCGETS2, &t) != 0) {
        return false;
    }
    // BOTHER for every rate, standard ones included, so one path serves them all.
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = static_cast<speed_t>(baud);
    t.c_ospeed = static_cast<speed_t>(baud);
    return ioctl(fd, TCSETS2, &t) == 0;
}

}  // namespace zor06::platform
