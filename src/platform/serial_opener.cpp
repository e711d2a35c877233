#include "platform/serial_opener.h"

namespace zor06::platform {

SerialOpener SystemSerialOpener() {
    return [](const std::string& device, int baud, OpenError* error) {
        SerialSettings settings;
        settings.baud = baud;
        return OpenComPort(device, settings, error);
    };
}

}  // namespace zor06::platform
