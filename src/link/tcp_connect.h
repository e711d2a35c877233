// Opening the TCP connection of the Ethernet link kind and loading the link object for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/link_record.h"
#include "link/operator.h"
#include "platform/clock.h"
#include "platform/tcp_socket.h"

namespace zor06::link {

class hgcbox;

struct EthernetSubscriber {
    std::string name;
    std::uint8_t address = 1;
    std::array<std::uint8_t, 4> ip{};  // first octet first
    int port = 0;
};

struct EthernetSettings {
    LinkRecord record;  // address, preambles, attempts and the two waits are used
    int connectWaitS = 10;
    int connectAttempts = 1;  // kept and edited; the connection retries by time
};

// Connects to the chosen subscriber; `subscriber` is null when none (or "Новый абонент") is
// chosen. `typedAddress` is the address of the connection dialog and becomes the Ethernet
// address setting.
bool TcpConnect(hgcbox& link, EthernetSettings& settings, const EthernetSubscriber* subscriber,
                int typedAddress, Operator& op,
                platform::SocketFactory& sockets = platform::SystemSockets(),
                platform::Clock& clock = platform::SystemClock());

// The same procedure for a host name or dotted address and a numeric or named port.
bool TcpConnectTo(hgcbox& link, const EthernetSettings& settings, std::uint8_t address,
                  const std::string& host, const std::string& port, Operator& op,
                  platform::SocketFactory& sockets = platform::SystemSockets(),
                  platform::Clock& clock = platform::SystemClock());

}  // namespace zor06::link
