#include "platform/serial_opener.h"

namespace zor06::platform {

SerialOpener SystemSerialOpener() {
    return [](const std::string& device, const LineSettings& line, OpenError* error) {
        SerialSettings settings;
        settings.baud = line.baud;
        settings.directionControl = line.directionControl;
        return OpenComPort(device, settings, error);
    };
}

}  // namespace zor06::platform
