#include "platform/serial_port_posix.h"

#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

#include "platform/fd_channel.h"
#include "platform/serial_baud.h"
#include "platform/serial_device.h"

namespace zor06::platform {

namespace {

// RTS leads the first start bit by this much so the line driver has switched over.
constexpr auto kRtsLead = std::chrono::milliseconds(2);
constexpr long long kBitsPerCharacter = 10;

class PosixSerialPort final : public SerialPort {
public:
    PosixSerialPort(int fd, int baud, bool directionControl, Clock& clock)
        : channel_(fd), baud_(baud), clock_(clock), directionControl_(directionControl) {}

    void DiscardQueues() override { channel_.DiscardQueues(); }

    ReceiveResult Receive(std::span<std::uint8_t> into, MonoTime until) override {
        return channel_.Receive(into, until);
    }

    long Transmit(std::span<const std::uint8_t> bytes) override {
        if (!directionControl_ || noModemLines_ || bytes.empty()) {
            return channel_.Transmit(bytes);
        }
        const ModemLineResult raised = SetModemLines(channel_.fd(), TIOCM_RTS, true);
        if (raised != ModemLineResult::Done) {
            noModemLines_ = raised == ModemLineResult::NoModemLines;
            return channel_.Transmit(bytes);
        }
        clock_.SleepFor(kRtsLead);
        const MonoTime end = clock_.Now() + TransmitDuration(bytes.size(), baud_);
        const long sent = channel_.Transmit(bytes);
        if (sent >= 0) {
            tcdrain(channel_.fd());
            // The driver's "sent" report lags the wire, so the computed end decides when to let go.
            clock_.SleepUntil(end);
        }
        SetModemLines(channel_.fd(), TIOCM_RTS, false);
        return sent;
    }

    bool SetBaud(int baud) override {
        const int clamped = ClampBaud(baud);
        if (!ApplyBaudRate(channel_.fd(), clamped)) {
            return false;
        }
        baud_ = clamped;
        return true;
    }

    void SetDirectionControl(bool on) override { directionControl_ = on; }

    bool SetDtr(bool on) override {
        return SetModemLines(channel_.fd(), TIOCM_DTR, on) != ModemLineResult::Failed;
    }

    // Linux reports line errors per read and keeps no error latch to reset, so there is nothing
    // to clear here.
    void ClearErrors() override {}

private:
    FdChannel channel_;
    int baud_;
    Clock& clock_;
    bool directionControl_;
    bool noModemLines_ = false;
};

bool ApplyModemLines(int fd, const SerialSettings& settings) {
    return SetModemLines(fd, TIOCM_DTR, settings.dtr) != ModemLineResult::Failed &&
           SetModemLines(fd, TIOCM_RTS, settings.rts) != ModemLineResult::Failed;
}

}  // namespace

int ClampBaud(int baud) {
    return std::clamp(baud, kMinBaud, kMaxBaud);
}

Duration TransmitDuration(std::size_t bytes, int baud) {
    const auto bits = static_cast<long long>(bytes + 1) * kBitsPerCharacter;
    const std::chrono::nanoseconds wire{bits * 1'000'000'000LL / ClampBaud(baud)};
    return std::chrono::duration_cast<Duration>(wire);
}

std::unique_ptr<SerialPort> OpenComPort(const std::string& device, const SerialSettings& settings,
                                        OpenError* error, Clock& clock) {
    OpenError ignored = OpenError::None;
    OpenError* result = error != nullptr ? error : &ignored;
    const int fd = OpenSerialDevice(device, result);
    if (fd < 0) {
        return nullptr;
    }
    const int baud = ClampBaud(settings.baud);
    if (!ApplyLineSettings(fd, settings) || !ApplyBaudRate(fd, baud) ||
        !ApplyModemLines(fd, settings)) {
        close(fd);
        *result = OpenError::Failed;
        return nullptr;
    }
    return std::make_unique<PosixSerialPort>(fd, baud, settings.directionControl, clock);
}

bool ComPortPresent(const std::string& device) {
    OpenError error = OpenError::None;
    const int fd = OpenSerialDevice(device, &error);
    if (fd >= 0) {
        close(fd);
        return true;
    }
    return error == OpenError::Busy;
}

std::string ComPortDevice(int comPort) {
    // COM numbering starts at 1; anything lower names no device and opens as absent.
    return comPort >= 1 ? "/dev/ttyS" + std::to_string(comPort - 1) : std::string{};
}

}  // namespace zor06::platform
