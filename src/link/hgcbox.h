// The link object: the only path by which the program talks to a controller. One instance lives
// for the whole run; the connection set-up loads its parameters and gives it an open channel.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "link/frame.h"
#include "link/link_kind.h"
#include "platform/byte_channel.h"
#include "platform/clock.h"
#include "platform/serial_port_posix.h"

namespace zor06::link {

// Opens a serial device at a baud rate; the real one uses termios, tests pass fakes.
using SerialOpener = std::function<std::unique_ptr<platform::SerialPort>(
    const std::string& device, int baud, platform::OpenError* error)>;

SerialOpener SystemSerialOpener();

// NOLINTNEXTLINE(readability-identifier-naming): the link class keeps its established name.
class hgcbox {
public:
    explicit hgcbox(std::uint8_t address = 0, platform::Clock& clock = platform::SystemClock(),
                    SerialOpener openSerial = SystemSerialOpener());
    ~hgcbox();
    hgcbox(const hgcbox&) = delete;
    hgcbox& operator=(const hgcbox&) = delete;

    // Sends one request and receives its reply; true when status is 0. `data` is the caller's
    // part of the request: for code 1 table, first field, count; for code 2 those three and the
    // values; for 12 the two value bytes; for 7, 8, 14, 15, 16 the whole block; nothing for 25,
    // 32, 33. The reply is then in replyFrame.
    bool Request(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                 std::uint8_t channel = 0);
    // The text to show after a failed request.
    std::string StatusText() const;
    // Opens the serial port (device of comPort / portName) at the baud rate, retrying while it is
    // busy for portWait seconds; false with status 6 otherwise.
    bool OpenPort();
    void ClosePort();
    void CloseSocket();
    bool PortOpen() const { return port != nullptr; }
    bool SocketOpen() const { return socket != nullptr; }
    // The device path of the serial port: portName when set, else the device of COMn.
    std::string PortDevice() const;

    // Data model, set directly by the connection set-up.
    bool abortFlag = false;
    std::array<std::uint8_t, kFrameCapacity> requestFrame{};
    std::array<std::uint8_t, kFrameCapacity> replyFrame{};
    LinkKind linkKind = LinkKind::Direct;
    std::uint8_t comPort = 1;
    std::string portName;  // wins over comPort when not empty
    std::unique_ptr<platform::SerialPort> port;
    std::unique_ptr<platform::ByteChannel> socket;
    std::int32_t portWait = 1;  // seconds
    bool closePortAfterExchange = false;
    std::uint8_t address = 0;
    std::int32_t baud = 1200;
    std::uint8_t preambles = 0;
    std::array<std::uint8_t, kPasswordSize> writePassword;
    std::array<std::uint8_t, kIdCodeSize> idCode;
    std::int32_t interByteTimeoutMs = 10;
    std::int32_t firstByteTimeoutMs = 2000;
    std::uint8_t attempts = 2;
    std::int32_t status = 0;
    double lastExchangeTime = 0;  // local time, days since 30 December 1899
    std::uint8_t lastFunctionCode = 0;
    // Shows "Обмен..." while a request is on the line.
    std::function<void(std::string_view)> statusPanel;
    // Called at most every ~50 ms while waiting for a reply, so that a user interface can
    // repaint and notice Esc; it may set abortFlag, which stops the next request.
    std::function<void()> idle;

    // Blank-pads and stores the program user's credentials.
    void SetCredentials(std::string_view password, std::string_view identificationCode);

private:
    bool BuildFrame(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                    std::uint8_t channel);
    std::size_t FrameLength() const { return requestFrame[kOffLength]; }
    bool Exchange();
    bool Transmit();
    void Receive(platform::ByteChannel& channel);
    void DecodeError();
    bool RunAttempts();
    void WaitIdle(platform::MonoTime until);

    platform::Clock& clock_;
    SerialOpener openSerial_;
    std::string errorText_;  // text of statuses 8 and 13, from the last error reply
    std::string portText_;   // text of status 6, naming the port
};

}  // namespace zor06::link
