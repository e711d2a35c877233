#include "platform/fd_channel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <memory>

#include "platform/poll_until.h"
#include "platform/tcp_socket.h"

namespace zor06::platform {

namespace {

// How long Transmit waits for a full queue to drain before giving up.
constexpr auto kWriteTimeout = std::chrono::seconds(3);
// A peer that floods the line must not keep DiscardQueues reading forever.
constexpr std::size_t kMaxDiscardBytes = 1 << 20;

bool WouldBlock(int err) {
    return err == EAGAIN || err == EWOULDBLOCK;
}

}  // namespace

FdChannel::FdChannel(int fd) {
    Reset(fd);
}

FdChannel::~FdChannel() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

void FdChannel::Reset(int fd) {
    if (fd_ >= 0 && fd_ != fd) {
        close(fd_);
    }
    fd_ = fd;
    isSocket_ = false;
    isTerminal_ = false;
    if (fd_ < 0) {
        return;
    }
    const int flags = fcntl(fd_, F_GETFL);
    if (flags >= 0 && (flags & O_NONBLOCK) == 0) {
        fcntl(fd_, F_SETFL, flags | O_NONBLOCK);
    }
    struct stat st {};
    isSocket_ = fstat(fd_, &st) == 0 && S_ISSOCK(st.st_mode);
    isTerminal_ = isatty(fd_) == 1;
}

void FdChannel::DiscardQueues() {
    if (fd_ < 0) {
        return;
    }
    if (isTerminal_) {
        tcflush(fd_, TCIOFLUSH);
    }
    // A socket has no queue to flush, and a late reply may sit in it: read out what is waiting.
    std::array<std::uint8_t, 512> buffer{};
    for (std::size_t discarded = 0; discarded < kMaxDiscardBytes;) {
        const long n = read(fd_, buffer.data(), buffer.size());
        if (n > 0) {
            discarded += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // nothing more waiting, end of stream or an error Receive will report
        }
    }
}

long FdChannel::WriteOnce(const std::uint8_t* data, std::size_t size) {
    // A socket whose peer has gone must report an error, not raise SIGPIPE.
    return isSocket_ ? send(fd_, data, size, MSG_NOSIGNAL) : write(fd_, data, size);
}

long FdChannel::Transmit(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) {
        return -1;
    }
    const MonoTime giveUp = MonoClock::now() + kWriteTimeout;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const long n = WriteOnce(bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && !WouldBlock(errno)) {
            return sent > 0 ? static_cast<long>(sent) : -1;
        }
        const int ready = PollUntil(fd_, POLLOUT, giveUp);
        if (ready < 0 || (ready & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return sent > 0 ? static_cast<long>(sent) : -1;
        }
        if (ready == 0) {
            break;
        }
    }
    return static_cast<long>(sent);
}

ReceiveResult FdChannel::Receive(std::span<std::uint8_t> into, MonoTime until) {
    if (fd_ < 0) {
        return {0, true};
    }
    if (into.empty()) {
        return {};
    }
    for (;;) {
        const int ready = PollUntil(fd_, POLLIN, until);
        if (ready == 0) {
            return {};
        }
        if (ready < 0 || (ready & POLLNVAL) != 0) {
            return {0, true};
        }
        const long n = read(fd_, into.data(), into.size());
        if (n > 0) {
            return {static_cast<std::size_t>(n), false};
        }
        // Nothing after a hang-up or error report means the stream is gone; only a plain
        // readable report that found nothing (a spurious wake-up) is worth another wait.
        const bool spurious =
            n < 0 && (errno == EINTR || WouldBlock(errno)) && (ready & (POLLHUP | POLLERR)) == 0;
        if (!spurious) {
            return {0, true};
        }
    }
}

std::unique_ptr<ByteChannel> WrapStreamDescriptor(int fd) {
    return std::make_unique<FdChannel>(fd);
}

}  // namespace zor06::platform
