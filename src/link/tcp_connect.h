// Opening the TCP connection of the Ethernet link kind and loading the link object for it.
#pragma once

#include <string>

#include "dialogue/operator.h"
#include "link/link_parameters.h"
#include "platform/clock.h"
#include "platform/tcp_socket.h"

namespace zor06::link {

class hgcbox;

// Connects to the chosen subscriber without holding up the interface: between short connect looks
// the operator's ProcessEvents runs, and the interrupt flag (Esc while the connect counts as a
// long operation) ends it with "Соединение прервано оператором". The subscriber is null when none
// (or "Новый абонент") is chosen. `typedAddress` is the address of the connection dialog and
// becomes the Ethernet address setting.
bool TcpConnect(hgcbox& link, EthernetSettings& settings, const EthernetSubscriber* subscriber,
                int typedAddress, dialogue::Operator& op,
                platform::SocketFactory& sockets = platform::SystemSockets(),
                platform::Clock& clock = platform::SystemClock());

// The same procedure for a host name or dotted address and a numeric or named port.
bool TcpConnectTo(hgcbox& link, const EthernetSettings& settings, std::uint8_t address,
                  const std::string& host, const std::string& port, dialogue::Operator& op,
                  platform::SocketFactory& sockets = platform::SystemSockets(),
                  platform::Clock& clock = platform::SystemClock());

}  // namespace zor06::link
