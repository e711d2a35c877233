#include "platform/ipv4_socket.h"

#include <sys/socket.h>

namespace zor06::platform {

int NewIpv4StreamSocket(bool nonBlocking) {
    const int flags = SOCK_STREAM | SOCK_CLOEXEC | (nonBlocking ? SOCK_NONBLOCK : 0);
    return socket(AF_INET, flags, 0);
}

sockaddr_in ToSockaddr(const Ipv4Endpoint& endpoint) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(endpoint.address);
    address.sin_port = htons(endpoint.port);
    return address;
}

}  // namespace zor06::platform
