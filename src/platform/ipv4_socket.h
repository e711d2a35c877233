// What the TCP client and the listener share: descriptor creation and address conversion.
#pragma once

#include <netinet/in.h>

#include "platform/tcp_socket.h"

namespace zor06::platform {

// A close-on-exec IPv4 stream socket, optionally non-blocking; -1 on failure.
int NewIpv4StreamSocket(bool nonBlocking);

sockaddr_in ToSockaddr(const Ipv4Endpoint& endpoint);

}  // namespace zor06::platform
