#include "link/connection_text.h"

#include "platform/serial_port_posix.h"
#include "text/text_format.h"

namespace zor06::link {

std::string RecordDevice(const LinkParameters& record) {
    return record.portName.empty() ? platform::ComPortDevice(record.comPort) : record.portName;
}

void SetRecordDevice(LinkParameters& record, const std::string& device) {
    record.portName = device;
    for (int n = 1; n <= 255; ++n) {
        if (platform::ComPortDevice(n) == device) {
            record.comPort = static_cast<std::uint8_t>(n);
            return;
        }
    }
}

std::string DescribeConnection(LinkKind kind, const LinkParameters& line, const PhoneTarget* phone,
                               const EthernetSubscriber* ethernet) {
    const std::string device = RecordDevice(line);
    switch (kind) {
        case LinkKind::Direct:
            return text::Printf("  %s,   %d бит/с   Адр. %d", device.c_str(), line.baud,
                                line.address);
        case LinkKind::Telephone:
            if (phone == nullptr) {
                return {};
            }
            return text::Printf("  %s,   %d бит/с   Телефон: %s,  Адр. %d", device.c_str(),
                                line.baud, phone->phone.c_str(), phone->address);
        case LinkKind::Ethernet:
            if (ethernet == nullptr) {
                return {};
            }
            return text::Printf(" IP-адрес:порт  %d.%d.%d.%d:%d,  Адр. %d", ethernet->ip[0],
                                ethernet->ip[1], ethernet->ip[2], ethernet->ip[3], ethernet->port,
                                ethernet->address);
    }
    return {};
}

}  // namespace zor06::link
