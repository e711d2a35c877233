#include "platform/tcp_socket.h"

#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>

#include "platform/fd_channel.h"
#include "platform/ipv4_socket.h"
#include "platform/poll_until.h"

namespace zor06::platform {

namespace {

class PosixTcpSocket final : public TcpSocket {
public:
    explicit PosixTcpSocket(int fd) : channel_(fd) {}

    bool Connect(const Ipv4Endpoint& endpoint, MonoTime until) override {
        if (pending_ && !SameEndpoint(*pending_, endpoint)) {
            pending_.reset();
            channel_.Reset(NewIpv4StreamSocket(true));
        }
        if (channel_.fd() < 0) {
            channel_.Reset(NewIpv4StreamSocket(true));
            if (channel_.fd() < 0) {
                return false;
            }
        }
        const Outcome outcome = Attempt(endpoint, until);
        if (outcome == Outcome::kConnected) {
            pending_.reset();
            connectedTo_ = endpoint;
            const int one = 1;
            setsockopt(channel_.fd(), IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            return true;
        }
        if (outcome == Outcome::kInProgress) {
            // The handshake goes on; the next call waits for it instead of starting over, so a
            // caller may look in short steps.
            pending_ = endpoint;
            return false;
        }
        pending_.reset();
        // Linux cannot reuse a socket after a failed connect, so the next attempt gets a new one.
        channel_.Reset(NewIpv4StreamSocket(true));
        return false;
    }

    bool Reconnect(MonoTime until) override {
        if (!connectedTo_) {
            return false;
        }
        // The old connection is dead; an attempt still under way goes on instead of starting over.
        if (!pending_) {
            channel_.Reset(NewIpv4StreamSocket(true));
        }
        return Connect(*connectedTo_, until);
    }

    void DiscardQueues() override { channel_.DiscardQueues(); }

    long Transmit(std::span<const std::uint8_t> bytes) override { return channel_.Transmit(bytes); }

    ReceiveResult Receive(std::span<std::uint8_t> into, MonoTime until) override {
        return channel_.Receive(into, until);
    }

private:
    enum class Outcome { kConnected, kInProgress, kFailed };

    static bool SameEndpoint(const Ipv4Endpoint& a, const Ipv4Endpoint& b) {
        return a.address == b.address && a.port == b.port;
    }

    Outcome Attempt(const Ipv4Endpoint& endpoint, MonoTime until) {
        const int fd = channel_.fd();
        if (!pending_) {
            const sockaddr_in address = ToSockaddr(endpoint);
            if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
                return Outcome::kConnected;
            }
            if (errno != EINPROGRESS && errno != EINTR) {
                return errno == EISCONN ? Outcome::kConnected : Outcome::kFailed;
            }
        }
        const int ready = PollUntil(fd, POLLOUT, until);
        if (ready == 0) {
            return Outcome::kInProgress;
        }
        if (ready < 0) {
            return Outcome::kFailed;
        }
        int soError = 0;
        socklen_t length = sizeof soError;
        return getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &length) == 0 && soError == 0
                   ? Outcome::kConnected
                   : Outcome::kFailed;
    }

    FdChannel channel_;
    std::optional<Ipv4Endpoint> pending_;      // an attempt still in progress
    std::optional<Ipv4Endpoint> connectedTo_;  // where the last connection went
};

class PosixSocketFactory final : public SocketFactory {
public:
    std::unique_ptr<TcpSocket> CreateSocket() override {
        const int fd = NewIpv4StreamSocket(true);
        if (fd < 0) {
            return nullptr;
        }
        return std::make_unique<PosixTcpSocket>(fd);
    }
};

}  // namespace

SocketFactory& SystemSockets() {
    static PosixSocketFactory factory;
    return factory;
}

}  // namespace zor06::platform
