// The byte stream under the link protocol: a serial line, a pseudo-terminal, a modem line or a TCP
// socket. What only a serial line has (baud rate, direction line, DTR, its error state) each
// channel handles itself, so that the link never asks which kind it talks through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/clock.h"

namespace zor06::platform {

class TcpSocket;

struct ReceiveResult {
    std::size_t count = 0;  // bytes stored at the start of the buffer
    bool failed = false;    // the read itself failed (closed socket, device error)
};

// How the link wants a serial line driven. The direct line applies its rate again before every
// transmission: a device search or an upper-link write changes it while the port stays open.
struct LineSettings {
    int baud = 9600;
    bool reapplyBaud = false;
    bool directionControl = false;  // RTS switches an RS-485 line driver around each transmission
};

// The controls of a serial line that the direct RS-232/RS-485 line needs.
class SerialLine {
public:
    virtual ~SerialLine() = default;
    // Applies the baud rate (clamped to 110..256000); false when the driver refuses it.
    virtual bool SetBaud(int baud) = 0;
    // When on, every Transmit raises RTS, waits 2 ms, writes, and drops RTS right after the
    // computed end of transmission. Devices without modem-control lines just write.
    virtual void SetDirectionControl(bool on) = 0;
    virtual bool SetDtr(bool on) = 0;
    virtual void ClearErrors() = 0;
};

class ByteChannel {
public:
    virtual ~ByteChannel() = default;
    // Throws away whatever has arrived and not been read, and what waits to be sent.
    virtual void DiscardQueues() = 0;
    // Sends the bytes; returns how many the channel took, or -1 when the write failed.
    virtual long Transmit(std::span<const std::uint8_t> bytes) = 0;
    // Blocks (without spinning) until at least one byte is waiting or `until` has passed, then
    // reads what is waiting, at most into.size() bytes.
    virtual ReceiveResult Receive(std::span<std::uint8_t> into, MonoTime until) = 0;
    // Called before each transmission; a channel without line controls has nothing to set.
    virtual void PrepareTransmit(const LineSettings& /*line*/) {}
    // After a failed send or receive: a serial line clears its error state and stays usable
    // (true); any other channel counts the failure as a lost connection (false).
    virtual bool RecoverFromFailure() { return false; }
    // The serial-line controls, or null for a channel without them (a socket).
    virtual SerialLine* Serial() { return nullptr; }
    // The TCP connection under the channel, or null for a channel that is not one.
    virtual TcpSocket* Socket() { return nullptr; }
};

// A serial line: the channel with its controls.
class SerialPort : public ByteChannel, public SerialLine {
public:
    SerialLine* Serial() override { return this; }
    void PrepareTransmit(const LineSettings& line) override {
        if (line.reapplyBaud) {
            SetBaud(line.baud);
        }
        SetDirectionControl(line.directionControl);
    }
    bool RecoverFromFailure() override {
        ClearErrors();
        return true;
    }
};

}  // namespace zor06::platform
