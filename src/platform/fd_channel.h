// A ByteChannel over one stream descriptor (tty, pseudo-terminal, socket, pipe) that it owns.
#pragma once

#include "platform/byte_channel.h"

namespace zor06::platform {

class FdChannel final : public ByteChannel {
public:
    // Takes ownership of `fd` (may be -1: every call then fails) and makes it non-blocking, so
    // that no read or write can hang past its deadline.
    explicit FdChannel(int fd);
    ~FdChannel() override;
    FdChannel(const FdChannel&) = delete;
    FdChannel& operator=(const FdChannel&) = delete;

    int fd() const { return fd_; }
    // Closes the current descriptor and takes `fd` instead.
    void Reset(int fd);

    // Flushes both queues of a terminal, then reads out whatever is waiting on any descriptor.
    void DiscardQueues() override;
    // Writes everything, waiting for room for at most a few seconds; returns the bytes taken or
    // -1 when the write failed before any byte was taken.
    long Transmit(std::span<const std::uint8_t> bytes) override;
    // A read error or end of stream sets `failed`.
    ReceiveResult Receive(std::span<std::uint8_t> into, MonoTime until) override;

private:
    long WriteOnce(const std::uint8_t* data, std::size_t size);

    int fd_ = -1;
    bool isSocket_ = false;
    bool isTerminal_ = false;
};

}  // namespace zor06::platform
