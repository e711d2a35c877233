// TCP client sockets and the listener the simulated controller serves on.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/byte_channel.h"

namespace zor06::platform {

struct Ipv4Endpoint {
    std::uint32_t address = 0;  // host byte order, first octet in the high byte
    std::uint16_t port = 0;     // host byte order
};

// A host name or dotted address and a numeric or named port. On failure `error` is
// "неизвестный хост: %s" or "неизвестный сервис: %s" with the text given.
std::optional<Ipv4Endpoint> ResolveAddress(const std::string& host, const std::string& port,
                                           std::string* error);

class TcpSocket : public ByteChannel {
public:
    // One connect attempt that never blocks past `until`; TCP_NODELAY is set once connected. An
    // attempt still in progress at `until` goes on at the next call to the same endpoint.
    virtual bool Connect(const Ipv4Endpoint& endpoint, MonoTime until) = 0;
    // The same on a fresh connection to the endpoint of the last successful Connect, after the
    // peer closed or reset that connection; false at once when the socket was never connected.
    virtual bool Reconnect(MonoTime until) = 0;
    TcpSocket* Socket() override { return this; }
};

class SocketFactory {
public:
    virtual ~SocketFactory() = default;
    // A fresh IPv4 stream socket, or nullptr when the system refuses one.
    virtual std::unique_ptr<TcpSocket> CreateSocket() = 0;
};

SocketFactory& SystemSockets();

// A channel over an accepted connection or any other stream descriptor it takes ownership of.
std::unique_ptr<ByteChannel> WrapStreamDescriptor(int fd);

// A listening socket on host:port (port 0 picks a free one); returns the descriptor or -1 with
// `error` set. `boundPort` receives the port actually bound. The descriptor is blocking: poll it
// before accept to wait with a deadline.
int ListenTcp(const std::string& host, std::uint16_t port, std::uint16_t* boundPort,
              std::string* error);

}  // namespace zor06::platform
