#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/natural_order.h"
#include "platform/serial_device.h"
#include "platform/serial_port_posix.h"

namespace zor06::platform {

namespace {

namespace fs = std::filesystem;

bool HasNumberedPrefix(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
        return false;
    }
    const std::string_view number = name.substr(prefix.size());
    return std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsSerialDeviceName(std::string_view name) {
    return HasNumberedPrefix(name, "ttyS") || HasNumberedPrefix(name, "ttyUSB") ||
           HasNumberedPrefix(name, "ttyACM");
}

// The kernel creates a node for every possible 8250 port whether or not a UART sits behind it;
// only ports with a detected UART type (or that some program holds) are real.
bool IsRealUartPort(const std::string& device) {
    OpenError error = OpenError::None;
    const int fd = OpenSerialDevice(device, &error);
    if (fd < 0) {
        return error == OpenError::Busy;
    }
    serial_struct info{};
    const bool known = ioctl(fd, TIOCGSERIAL, &info) != 0 || info.type != PORT_UNKNOWN;
    close(fd);
    return known;
}

std::vector<std::string> DirectoryEntries(const fs::path& dir, bool (*accept)(std::string_view)) {
    std::vector<std::string> found;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (accept(name)) {
            found.push_back(it->path().string());
        }
    }
    std::sort(found.begin(), found.end(),
              [](const std::string& a, const std::string& b) { return NaturalLess(a, b); });
    return found;
}

}  // namespace

std::vector<std::string> ListSerialPorts() {
    std::vector<std::string> ports;
    for (const std::string& device : DirectoryEntries("/dev", IsSerialDeviceName)) {
        if (!HasNumberedPrefix(fs::path(device).filename().string(), "ttyS") ||
            IsRealUartPort(device)) {
            ports.push_back(device);
        }
    }
    const auto byId = DirectoryEntries("/dev/serial/by-id", [](std::string_view) { return true; });
    ports.insert(ports.end(), byId.begin(), byId.end());
    return ports;
}

}  // namespace zor06::platform
