#include "platform/serial_device.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zor06::platform {

namespace {

OpenError ClassifyOpenErrno(int err) {
    switch (err) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return OpenError::Absent;
        case EBUSY:
        case EACCES:
        case EPERM:
            return OpenError::Busy;
        default:
            return OpenError::Failed;
    }
}

tcflag_t CharacterSize(int dataBits) {
    switch (std::clamp(dataBits, 5, 8)) {
        case 5:
            return CS5;
        case 6:
            return CS6;
        case 7:
            return CS7;
        default:
            return CS8;
    }
}

tcflag_t ParityFlags(int parity) {
    switch (parity) {
        case 1:
            return PARENB;
        case 2:
            return PARENB | PARODD;
        default:
            return 0;
    }
}

tcflag_t StopBitFlags(int stopBits) {
    // Termios has no one-and-a-half stop bits; two is the closer safe choice.
    return stopBits == 1 || stopBits == 2 ? CSTOPB : 0;
}

}  // namespace

int OpenSerialDevice(const std::string& device, OpenError* error) {
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = ClassifyOpenErrno(errno);
        return -1;
    }
    if (ioctl(fd, TIOCEXCL) != 0) {
        *error = errno == EBUSY ? OpenError::Busy : OpenError::Failed;
        close(fd);
        return -1;
    }
    *error = OpenError::None;
    return fd;
}

void ConfigureRawFrame(termios* t, const SerialSettings& settings) {
    cfmakeraw(t);
    t->c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t->c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t->c_cflag |= CLOCAL | CREAD | CharacterSize(settings.dataBits) | ParityFlags(settings.parity) |
                  StopBitFlags(settings.stopBits);
    t->c_cc[VMIN] = 0;
    t->c_cc[VTIME] = 0;
}

bool ApplyLineSettings(int fd, const SerialSettings& settings) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) {
        return false;
    }
    ConfigureRawFrame(&t, settings);
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

ModemLineResult SetModemLines(int fd, int mask, bool on) {
    if (ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &mask) == 0) {
        return ModemLineResult::Done;
    }
    // Pseudo-terminals and some adapters have no modem-control lines at all.
    if (errno == ENOTTY || errno == EINVAL || errno == EIO) {
        return ModemLineResult::NoModemLines;
    }
    return ModemLineResult::Failed;
}

}  // namespace zor06::platform
