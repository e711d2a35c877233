#include "link/hgcbox.h"

#include <algorithm>

#include "link/link_texts.h"
#include "link/request_frame.h"
#include "link/status_text.h"

namespace zor06::link {
namespace {

using platform::Millis;
using platform::MonoTime;

constexpr auto kPortRetryPause = Millis(50);
constexpr auto kDtrSettle = Millis(100);
constexpr auto kAfterClose = Millis(150);

// Element by element: GCC's -O3 overflow analysis misjudges a bounded copy_n into the field.
template <std::size_t N>
void StoreBlankPadded(std::array<std::uint8_t, N>& field, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        field[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : std::uint8_t{' '};
    }
}

// The link object's own values until a connection set-up loads its parameters.
LinkParameters StartingParameters(std::uint8_t address) {
    LinkParameters p;
    p.address = address;
    p.baud = 1200;
    p.preambles = 0;
    p.attempts = 2;
    p.interByteTimeoutMs = 10;
    p.firstByteTimeoutMs = 2000;
    return p;
}

}  // namespace

hgcbox::hgcbox(std::uint8_t addr, platform::Clock& clock, SerialOpener openSerial)
    : LinkParameters(StartingParameters(addr)), clock_(clock), openSerial_(std::move(openSerial)) {
    writePassword.fill(' ');
    idCode.fill(' ');
}

hgcbox::~hgcbox() = default;

void hgcbox::SetCredentials(std::string_view password, std::string_view identificationCode) {
    StoreBlankPadded(writePassword, password);
    StoreBlankPadded(idCode, identificationCode);
}

std::string hgcbox::PortDevice() const {
    return portName.empty() ? platform::ComPortDevice(comPort) : portName;
}

bool hgcbox::Request(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                     std::uint8_t channel) {
    return SendRequest(functionCode, data, nullptr, channel);
}

bool hgcbox::Request(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                     const ReplyExpectation& expected, std::uint8_t channel) {
    return SendRequest(functionCode, data, &expected, channel);
}

bool hgcbox::SendRequest(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                         const ReplyExpectation* stated, std::uint8_t channel) {
    if (abortRequested_) {
        abortRequested_ = false;
        status = status::kAborted;
        return false;
    }
    status = status::kOk;
    lastFunctionCode = functionCode;
    if (BuildRequestFrame(requestFrame, address, functionCode, data, channel,
                          {writePassword, idCode}) == 0) {
        status = status::kBadFunctionCode;
        return false;
    }
    // The echo always comes from the request itself; the caller adds what only it knows.
    ReplyExpectation expected = ExpectationFromRequest(requestFrame);
    if (stated != nullptr) {
        expected.recordSize = stated->recordSize;
        expected.maxRecords = stated->maxRecords;
        expected.records = stated->records;
    }
    if (closePortAfterExchange && !OpenPort()) {
        return false;
    }
    if (listener_ != nullptr) {
        listener_->StatusText("Обмен...");
    }
    RunAttempts(expected);
    lastExchangeTime = clock_.LocalDateTime();
    if (listener_ != nullptr) {
        listener_->StatusText("");
    }
    if (closePortAfterExchange) {
        ClosePort();
        clock_.SleepFor(kAfterClose);
    }
    abortRequested_ = false;
    return status == status::kOk;
}

bool hgcbox::RunAttempts(const ReplyExpectation& expected) {
    // An attempts value of 0 can only come from a hand-edited file; it still sends once.
    const int count = std::max<int>(1, attempts);
    for (int i = 0; i < count; ++i) {
        if (abortRequested_) {
            status = status::kAborted;
            return false;
        }
        if (!ReconnectIfLost()) {
            return false;
        }
        if (i > 0) {
            DrainLine();
        }
        if (Exchange(expected, i + 1)) {
            return true;
        }
        // The line was closed while the reply was awaited: there is nothing to repeat on.
        if (status == status::kAborted) {
            return false;
        }
    }
    return false;
}

void hgcbox::DecodeError() {
    // The text is told from the reply frame when it is asked for (ExchangeStatusText).
    status =
        ErrorReply(replyFrame).Code() == kErrorRefused ? status::kRefused : status::kErrorReply;
}

std::string hgcbox::StatusText() const {
    if (status == status::kPortUnavailable) {
        return portText_;
    }
    return ExchangeStatusText(status, replyFrame, lastFunctionCode);
}

platform::LineSettings hgcbox::Line() const {
    const bool directLine = linkKind == LinkKind::Direct;
    return {.baud = baud, .reapplyBaud = directLine, .directionControl = directLine};
}

bool hgcbox::OpenPort() {
    DetachChannel();
    const std::string device = PortDevice();
    // A port wait of 0 s (hand-edited settings) still tries once.
    const MonoTime deadline = clock_.Now() + std::chrono::seconds(std::max(0, portWaitS));
    platform::OpenError error = platform::OpenError::None;
    std::unique_ptr<platform::SerialPort> port;
    while (!(port = openSerial_(device, Line(), &error)) && clock_.Now() < deadline) {
        clock_.SleepFor(kPortRetryPause);
    }
    if (!port) {
        status = status::kPortUnavailable;
        portText_ = "Коммуникационный порт " + device + " недоступен";
        return false;
    }
    port->SetDtr(true);
    AttachChannel(std::move(port));
    clock_.SleepFor(kDtrSettle);
    return true;
}

void hgcbox::AttachChannel(std::unique_ptr<platform::ByteChannel> channel) {
    channel_ = std::move(channel);
    connectionLost_ = false;
    owedReplies_ = 0;
}

std::unique_ptr<platform::ByteChannel> hgcbox::DetachChannel() {
    connectionLost_ = false;
    owedReplies_ = 0;
    return std::move(channel_);
}

void hgcbox::ClosePort() {
    if (PortOpen()) {
        DetachChannel();
    }
}

}  // namespace zor06::link
