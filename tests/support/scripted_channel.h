// A serial port (usable as any byte channel) whose answers are scripted against a fake clock:
// every transmission is recorded and a responder decides which bytes arrive and when.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <span>
#include <vector>

#include "platform/byte_channel.h"
#include "tests/support/fake_clock.h"

namespace zor06::test {

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    platform::Duration after;  // delay after the end of the transmission (or previous chunk)
    Bytes bytes;
};

class ScriptedChannel : public platform::SerialPort {
public:
    using Responder = std::function<std::vector<Chunk>(const Bytes& transmission)>;

    ScriptedChannel(FakeClock& clock, Responder responder)
        : clock_(clock), responder_(std::move(responder)) {}

    void SetResponder(Responder responder) { responder_ = std::move(responder); }

    // Drops what has arrived by now; chunks due later still come.
    void DiscardQueues() override;
    long Transmit(std::span<const std::uint8_t> bytes) override;
    platform::ReceiveResult Receive(std::span<std::uint8_t> into,
                                    platform::MonoTime until) override;
    bool SetBaud(int baud) override;
    void SetDirectionControl(bool on) override { directionControl = on; }
    bool SetDtr(bool on) override {
        dtr = on;
        return true;
    }
    void ClearErrors() override { ++errorsCleared; }

    std::vector<Bytes> transmissions;
    std::vector<int> baudsApplied;
    int currentBaud = 0;
    bool directionControl = false;
    bool dtr = false;
    bool failWrites = false;
    bool failReads = false;
    long acceptOnly = -1;  // when >= 0, Transmit takes only this many bytes
    int discards = 0;
    int errorsCleared = 0;

private:
    struct Pending {
        platform::MonoTime at;
        Bytes bytes;
    };
    FakeClock& clock_;
    Responder responder_;
    std::deque<Pending> pending_;
};

// A reply frame 0x33, address, length, code, data, CRC.
Bytes ReplyFrame(std::uint8_t address, std::uint8_t code, const Bytes& data);

// The reply of a read of table `table` from `first` with these value bytes.
Bytes ReadReply(std::uint8_t address, std::uint8_t table, std::uint8_t first, std::uint8_t count,
                const Bytes& values);

// An error reply carrying these data bytes (error code first).
Bytes ErrorReply(std::uint8_t address, std::uint8_t code, const Bytes& data);

// Responders: always the same chunks; or one list of chunks per successive transmission.
ScriptedChannel::Responder Always(std::vector<Chunk> chunks);
ScriptedChannel::Responder InTurn(std::vector<std::vector<Chunk>> answers);

}  // namespace zor06::test
