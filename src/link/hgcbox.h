// The link object: the only path by which the program talks to a controller. One instance lives
// for the whole run; the connection set-up loads its parameters (the LinkParameters it is made
// of) and gives it an open channel.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "link/exchange_observer.h"
#include "link/frame.h"
#include "link/link_kind.h"
#include "link/link_listener.h"
#include "link/link_parameters.h"
#include "link/reply_views.h"
#include "platform/byte_channel.h"
#include "platform/clock.h"
#include "platform/serial_opener.h"

namespace zor06::link {

using platform::SerialOpener;
using platform::SystemSerialOpener;

// NOLINTNEXTLINE(readability-identifier-naming): the link class keeps its established name.
class hgcbox : public LinkParameters {
public:
    explicit hgcbox(std::uint8_t address = 0, platform::Clock& clock = platform::SystemClock(),
                    SerialOpener openSerial = SystemSerialOpener());
    ~hgcbox();
    hgcbox(const hgcbox&) = delete;
    hgcbox& operator=(const hgcbox&) = delete;

    // Sends one request and receives its reply; true when status is 0. `data` is the caller's
    // part of the request: for code 1 table, first field, count; for code 2 those three and the
    // values; for 12 the two value bytes; for 7, 8, 14, 15, 16 the whole block; nothing for 25,
    // 32, 33. The reply is then in replyFrame. Frames that answer another request are skipped;
    // one that names this request with the wrong length fails with status 22. After a timeout,
    // until the replies owed have come, an archive reply must also pass the caller's record check
    // (RecordCheck) or it is skipped as the late one; and a retry waits for the line to go quiet.
    bool Request(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                 std::uint8_t channel = 0);
    // The same, with what the caller knows of the reply (field or record size), from the views
    // of reply_views.h.
    bool Request(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                 const ReplyExpectation& expected, std::uint8_t channel = 0);
    // The text to show after a failed request.
    std::string StatusText() const;

    // The link talks through one byte channel: a serial line (direct or through a modem, a
    // pseudo-terminal) opened by OpenPort, or a connected socket given by AttachChannel.

    // Opens the serial port (device of comPort / portName) at the baud rate, retrying while it is
    // busy for portWaitS seconds; false with status 6 otherwise. Replaces any open channel.
    bool OpenPort();
    // Takes any channel (a connected socket, a line opened elsewhere), replacing any open one;
    // before each transmission it is given the line settings of the parameters.
    void AttachChannel(std::unique_ptr<platform::ByteChannel> channel);
    // Gives the channel up (closed or moved elsewhere by the caller).
    std::unique_ptr<platform::ByteChannel> DetachChannel();
    platform::ByteChannel* Channel() const { return channel_.get(); }
    // Closes whatever channel is open.
    void Close() { DetachChannel(); }
    // Frees the serial port (for another program or another opening); a socket stays connected.
    void ClosePort();
    bool PortOpen() const { return channel_ != nullptr && channel_->Serial() != nullptr; }
    bool SocketOpen() const { return channel_ != nullptr && channel_->Serial() == nullptr; }
    // The device path of the serial port: portName when set, else the device of COMn.
    std::string PortDevice() const;

    // Stops the next request before it goes out (or the attempts of the running one); each
    // request clears it when it ends, so a stop never outlives the request it was meant for.
    void RequestAbort() { abortRequested_ = true; }
    void ClearAbort() { abortRequested_ = false; }
    bool AbortRequested() const { return abortRequested_; }

    // Data model, set directly by the connection set-up, besides the parameters.
    std::array<std::uint8_t, kFrameCapacity> requestFrame{};
    std::array<std::uint8_t, kFrameCapacity> replyFrame{};
    std::array<std::uint8_t, kPasswordSize> writePassword;
    std::array<std::uint8_t, kIdCodeSize> idCode;
    // Seconds a TCP connection whose peer went away is tried again before a request goes out.
    std::int32_t connectWaitS = 10;
    std::int32_t status = 0;
    double lastExchangeTime = 0;  // local time, days since 30 December 1899
    std::uint8_t lastFunctionCode = 0;

    // The front end told about the request on the line (LinkListener); none by default, not owned.
    void SetListener(LinkListener* listener) { listener_ = listener; }

    // The monitor of the line, told about every attempt of every request; none by default, not
    // owned. It may be changed or removed while a request waits (from idle).
    void SetExchangeObserver(ExchangeObserver* observer) { observer_ = observer; }
    ExchangeObserver* Observer() const { return observer_; }

    // Blank-pads and stores the program user's credentials.
    void SetCredentials(std::string_view password, std::string_view identificationCode);

private:
    bool abortRequested_ = false;
    // `stated` is what the caller knows of the reply, or null.
    bool SendRequest(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                     const ReplyExpectation* stated, std::uint8_t channel);
    // What came in answer to one sending: the reply frame's first `length` bytes, and whether a
    // complete reply to another request was passed over on the way.
    struct Reception {
        std::size_t length = 0;
        bool skipped = false;
    };
    // `attempt` counts from 1; only the monitor of the line learns it.
    bool Exchange(const ReplyExpectation& expected, int attempt);
    bool Transmit();
    Reception Receive(const ReplyExpectation& expected);
    // Whether the complete frame in replyFrame ends the reception; sets the status when it does.
    // `lateOneOwed`: a reply to an earlier sending may still come.
    bool JudgeCompleteFrame(const ReplyExpectation& expected, bool lateOneOwed, bool* skipped);
    // A complete frame came: one reply owed fewer.
    void ReplyArrived();
    // How the serial line is driven for these parameters.
    platform::LineSettings Line() const;
    // Lets the user interface in when its turn is due; false when it closed the line meanwhile.
    bool IdleWhenDue(platform::MonoTime now, platform::MonoTime& lastIdle);
    // Before a retry: reads and drops what still comes until the line has been quiet for the
    // inter-byte timeout, so that the retry's reply does not begin inside the rest of another.
    void DrainLine();
    void DecodeError();
    bool RunAttempts(const ReplyExpectation& expected);
    // Connects the socket again when the last exchange's send or receive failed on it (the peer
    // closed or reset the connection), within the connection wait; false with the status set
    // when that did not work.
    bool ReconnectIfLost();

    platform::Clock& clock_;
    SerialOpener openSerial_;
    std::unique_ptr<platform::ByteChannel> channel_;
    LinkListener* listener_ = nullptr;
    std::string portText_;  // text of status 6, naming the port
    ExchangeObserver* observer_ = nullptr;
    bool connectionLost_ = false;  // a send or receive on the socket failed
    // Sendings on this channel whose reply has not come: the timed-out ones' replies may still.
    int owedReplies_ = 0;
    platform::MonoTime lastHeard_{};  // when the last bytes came in
};

}  // namespace zor06::link
