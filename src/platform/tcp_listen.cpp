#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/fail_step.h"
#include "platform/ipv4_socket.h"
#include "platform/tcp_socket.h"

namespace zor06::platform {

namespace {

int Fail(int fd, const char* step, std::string* error) {
    FailStep(fd, step, error);
    return -1;
}

}  // namespace

int ListenTcp(const std::string& host, std::uint16_t port, std::uint16_t* boundPort,
              std::string* error) {
    const std::optional<Ipv4Endpoint> endpoint = ResolveAddress(host, std::to_string(port), error);
    if (!endpoint) {
        return -1;
    }
    const int fd = NewIpv4StreamSocket(false);
    if (fd < 0) {
        return Fail(fd, "socket", error);
    }
    const int one = 1;
    if (setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0) {
        return Fail(fd, "setsockopt", error);
    }
    const sockaddr_in address = ToSockaddr(*endpoint);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return Fail(fd, "bind", error);
    }
    if (listen(fd, SOMAXCONN) != 0) {
        return Fail(fd, "listen", error);
    }
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return Fail(fd, "getsockname", error);
    }
    if (boundPort != nullptr) {
        *boundPort = ntohs(bound.sin_port);
    }
    return fd;
}

}  // namespace zor06::platform
