#include "zor06-sim/server.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>

#include "platform/tcp_socket.h"
#include "zor06-sim/line_speed.h"
#include "zor06-sim/stop_signal.h"

namespace zor06::sim {
namespace {

using platform::Millis;

constexpr Millis kSerialWake{200};  // how soon a serial line notices a stop request
constexpr int kBitsPerByte = 10;    // start, 8 data, stop

// Waits for any of `fds`, for at most `timeoutMs` when that is not negative; false on a failure
// other than an interrupting signal.
bool Wait(std::span<pollfd> fds, int timeoutMs = -1) {
    if (poll(fds.data(), fds.size(), timeoutMs) < 0 && errno != EINTR) {
        std::cerr << "zor06-sim: poll: " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

// How long the line may stay quiet before the modem must look at it again; -1 for ever.
int ModemWaitMs(const Modem* modem, platform::MonoTime now) {
    if (modem == nullptr || !modem->Deadline()) {
        return -1;
    }
    const auto left = std::chrono::ceil<Millis>(*modem->Deadline() - now);
    return static_cast<int>(std::max<Millis::rep>(0, left.count()));
}

int Failed(const char* what) {
    if (StopRequested()) {
        return 0;  // the signal interrupted whatever failed
    }
    std::cerr << "zor06-sim: " << what << '\n';
    return 1;
}

}  // namespace

Server::Server(Session& session, const FaultOptions& faults, platform::Clock& clock)
    : session_(session), faults_(faults), clock_(clock) {}

int Server::ServeTcp(int listenFd) {
    // A connection given up between poll and accept must not leave accept waiting.
    fcntl(listenFd, F_SETFL, fcntl(listenFd, F_GETFL) | O_NONBLOCK);
    std::unique_ptr<platform::ByteChannel> connection;
    int connectionFd = -1;
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        std::array<pollfd, 3> fds{
            {{StopDescriptor(), POLLIN, 0}, {listenFd, POLLIN, 0}, {connectionFd, POLLIN, 0}}};
        if (!Wait(std::span(fds).first(connection ? 3 : 2))) {
            return 1;
        }
        if (StopRequested()) {
            return 0;
        }
        if ((fds[1].revents & POLLIN) != 0) {
            const int fd = accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd >= 0) {
                const int on = 1;
                setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
                connection = platform::WrapStreamDescriptor(fd);
                connectionFd = fd;
                session_.Restart();
                continue;  // fds[2] was the connection just replaced
            }
        }
        if (connection && fds[2].revents != 0) {
            const platform::ReceiveResult r = connection->Receive(buffer, clock_.Now());
            // Readable but empty is the peer's end of stream.
            if (r.failed || r.count == 0 ||
                !Answer(*connection, std::span(buffer).first(r.count))) {
                connection.reset();
                connectionFd = -1;
            }
        }
    }
}

int Server::ServePty(int masterFd, long baud, SlaveHold& slave, Modem* modem) {
    const std::unique_ptr<platform::ByteChannel> master = platform::WrapStreamDescriptor(masterFd);
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        std::array<pollfd, 3> fds{{{StopDescriptor(), POLLIN, 0},
                                   {masterFd, POLLIN, 0},
                                   {slave.CloseWatch(), POLLIN, 0}}};
        if (!Wait(std::span(fds).first(slave.CloseWatch() >= 0 ? 3 : 2),
                  ModemWaitMs(modem, clock_.Now()))) {
            return 1;
        }
        if (StopRequested()) {
            return 0;
        }
        if ((fds[2].revents & POLLIN) != 0) {
            slave.ClientClosed();
            if (modem != nullptr) {
                modem->LineClosed();
            }
        }
        if (modem != nullptr && fds[1].revents == 0 &&
            !Relay(*master, modem->Expire(clock_.Now()))) {
            return Failed("pseudo-terminal write failed");
        }
        if ((fds[1].revents & POLLIN) == 0) {
            if (fds[1].revents != 0) {
                return Failed("pseudo-terminal hung up");
            }
            continue;
        }
        const platform::ReceiveResult r = master->Receive(buffer, clock_.Now());
        if (r.failed) {
            return Failed("pseudo-terminal read failed");
        }
        // A client that talks has long made its settings; the line is free again for whoever
        // opens it after this client.
        slave.AllowNextClient();
        if (baud > 0 && LineSpeed(masterFd) != baud) {
            session_.Restart();  // at a wrong speed the bytes arrive garbled
            continue;
        }
        const std::span<const std::uint8_t> received = std::span(buffer).first(r.count);
        if (modem != nullptr ? !Relay(*master, modem->Receive(received, clock_.Now()))
                             : !Answer(*master, received)) {
            return Failed("pseudo-terminal write failed");
        }
    }
}

bool Server::Relay(platform::ByteChannel& channel, const ModemStep& step) {
    if (step.callStarted) {
        session_.Restart();
    }
    return (step.toLine.empty() || SendPaced(channel, step.toLine)) &&
           (step.toController.empty() || Answer(channel, step.toController));
}

int Server::ServeSerial(platform::SerialPort& port) {
    std::array<std::uint8_t, 512> buffer{};
    while (!StopRequested()) {
        const platform::ReceiveResult r = port.Receive(buffer, clock_.Now() + kSerialWake);
        if (r.failed) {
            return Failed("serial port read failed");
        }
        if (r.count > 0 && !Answer(port, std::span(buffer).first(r.count))) {
            return Failed("serial port write failed");
        }
    }
    return 0;
}

bool Server::Answer(platform::ByteChannel& channel, std::span<const std::uint8_t> received) {
    for (const OutgoingReply& reply : session_.Receive(received, clock_.Now())) {
        if (!Send(channel, reply)) {
            return false;
        }
    }
    return true;
}

bool Server::Send(platform::ByteChannel& channel, const OutgoingReply& reply) {
    if (reply.delayMs > 0) {
        clock_.SleepFor(Millis(reply.delayMs));
    }
    const std::span<const std::uint8_t> bytes(reply.bytes);
    if (faults_.gapMs <= 0) {
        return SendPaced(channel, bytes);
    }
    if (!SendPaced(channel, bytes.first(reply.middle))) {
        return false;
    }
    clock_.SleepFor(Millis(faults_.gapMs));
    return SendPaced(channel, bytes.subspan(reply.middle));
}

// On a paced line each byte leaves when the one before has been fully clocked out.
bool Server::SendPaced(platform::ByteChannel& channel, std::span<const std::uint8_t> bytes) {
    if (faults_.lineBaud <= 0) {
        return TransmitAll(channel, bytes);
    }
    const auto byteTime = std::chrono::duration_cast<platform::Duration>(
        std::chrono::duration<double>(double{kBitsPerByte} / faults_.lineBaud));
    platform::MonoTime due = clock_.Now();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        due += byteTime;
        clock_.SleepUntil(due);
        if (!TransmitAll(channel, bytes.subspan(i, 1))) {
            return false;
        }
    }
    return true;
}

// The channel itself waits a while for room; whatever it could not take is a failed line.
bool Server::TransmitAll(platform::ByteChannel& channel, std::span<const std::uint8_t> bytes) {
    return channel.Transmit(bytes) == static_cast<long>(bytes.size());
}

}  // namespace zor06::sim
