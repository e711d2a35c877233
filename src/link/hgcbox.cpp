#include "link/hgcbox.h"

#include <algorithm>
#include <cstring>

#include "link/crc16.h"
#include "link/link_texts.h"
#include "link/reply_receiver.h"
#include "text/text_format.h"

namespace zor06::link {
namespace {

using platform::Millis;
using platform::MonoTime;

constexpr auto kIdleInterval = Millis(50);
constexpr auto kPortRetryPause = Millis(50);
constexpr auto kDtrSettle = Millis(100);
constexpr auto kAfterClose = Millis(150);

// Length of the fixed data block that codes 7, 8, 14, 15 and 16 carry.
std::size_t FixedBlockSize(std::uint8_t functionCode) {
    switch (functionCode) {
        case code::kMessagesByIndex:
            return 7;
        case code::kMessagesByPeriod:
            return 15;
        case code::kArchive3Min:
            return 13;
        case code::kArchiveHourly:
            return 11;
        case code::kArchiveDaily:
            return 9;
        default:
            return 0;
    }
}

void CopyInto(std::uint8_t* at, std::span<const std::uint8_t> data, std::size_t atMost) {
    std::copy_n(data.begin(), std::min(atMost, data.size()), at);
}

}  // namespace

SerialOpener SystemSerialOpener() {
    return [](const std::string& device, int baud, platform::OpenError* error) {
        platform::SerialSettings settings;
        settings.baud = baud;
        return platform::OpenComPort(device, settings, error);
    };
}

hgcbox::hgcbox(std::uint8_t addr, platform::Clock& clock, SerialOpener openSerial)
    : address(addr), clock_(clock), openSerial_(std::move(openSerial)) {
    writePassword.fill(' ');
    idCode.fill(' ');
}

hgcbox::~hgcbox() = default;

void hgcbox::SetCredentials(std::string_view password, std::string_view identificationCode) {
    writePassword.fill(' ');
    idCode.fill(' ');
    std::copy_n(password.begin(), std::min(password.size(), writePassword.size()),
                writePassword.begin());
    std::copy_n(identificationCode.begin(), std::min(identificationCode.size(), idCode.size()),
                idCode.begin());
}

std::string hgcbox::PortDevice() const {
    return portName.empty() ? platform::ComPortDevice(comPort) : portName;
}

bool hgcbox::BuildFrame(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                        std::uint8_t channel) {
    requestFrame.fill(0);
    requestFrame[kOffStart] = kRequestStart;
    requestFrame[kOffAddress] = address;
    requestFrame[kOffCode] = functionCode;
    std::uint8_t* body = requestFrame.data() + kOffData;
    const auto putCredentials = [&] {
        std::copy(writePassword.begin(), writePassword.end(), body);
        std::copy(idCode.begin(), idCode.end(), body + kPasswordSize);
    };

    std::size_t length = 0;
    switch (functionCode) {
        case code::kReadTable:
            body[0] = channel;
            CopyInto(body + 1, data, 3);
            length = 10;
            break;
        case code::kWriteTable:
            // A longer write would not fit the one-byte frame length: refuse it unsent.
            if (data.size() < 3 || data.size() - 3 > kMaxWriteValueBytes) {
                return false;
            }
            putCredentials();
            body[kCredentialsSize] = channel;
            CopyInto(body + kCredentialsSize + 1, data, data.size());
            length = 26 + (data.size() - 3);
            break;
        case code::kClockCorrection:
            putCredentials();
            CopyInto(body + kCredentialsSize, data, 2);
            length = 24;
            break;
        case 25:
        case 32:
        case 33:
            putCredentials();
            length = 22;
            break;
        default: {
            const std::size_t block = FixedBlockSize(functionCode);
            if (block == 0) {
                return false;
            }
            CopyInto(body, data, block);
            length = kMinFrameLength + block;
            break;
        }
    }
    requestFrame[kOffLength] = static_cast<std::uint8_t>(length);
    PutCrc16(requestFrame.data(), length - 2);
    return true;
}

bool hgcbox::Request(std::uint8_t functionCode, std::span<const std::uint8_t> data,
                     std::uint8_t channel) {
    if (abortFlag) {
        abortFlag = false;
        status = status::kAborted;
        return false;
    }
    status = status::kOk;
    lastFunctionCode = functionCode;
    if (!BuildFrame(functionCode, data, channel)) {
        status = status::kBadFunctionCode;
        return false;
    }
    if (closePortAfterExchange && !OpenPort()) {
        return false;
    }
    if (statusPanel) {
        statusPanel("Обмен...");
    }
    RunAttempts();
    lastExchangeTime = clock_.LocalDateTime();
    if (statusPanel) {
        statusPanel("");
    }
    if (closePortAfterExchange) {
        ClosePort();
        clock_.SleepFor(kAfterClose);
    }
    abortFlag = false;
    return status == status::kOk;
}

bool hgcbox::RunAttempts() {
    // An attempts value of 0 can only come from a hand-edited file; it still sends once.
    const int count = std::max<int>(1, attempts);
    for (int i = 0; i < count; ++i) {
        if (abortFlag) {
            status = status::kAborted;
            return false;
        }
        if (Exchange()) {
            return true;
        }
    }
    return false;
}

bool hgcbox::Exchange() {
    if (requestFrame[kOffStart] != kRequestStart) {
        status = status::kBadStartByte;
        return false;
    }
    if (!Transmit()) {
        return false;
    }
    std::fill_n(replyFrame.begin(), kMaxFrameLength, std::uint8_t{0});
    status = status::kOk;
    platform::ByteChannel* channel = linkKind == LinkKind::Ethernet
                                         ? socket.get()
                                         : static_cast<platform::ByteChannel*>(port.get());
    Receive(*channel);

    if (status == status::kOk && Crc16({replyFrame.data(), replyFrame[kOffLength]}) != 0) {
        status = status::kBadChecksum;
    }
    if (status == status::kOk && replyFrame[kOffCode] != (lastFunctionCode | kReplyFlag)) {
        DecodeError();
    }
    if (port) {
        port->DiscardQueues();
    }
    return status == status::kOk;
}

bool hgcbox::Transmit() {
    std::array<std::uint8_t, 2 * kMaxFrameLength> bytes{};
    const std::size_t length = FrameLength();
    std::fill_n(bytes.begin(), preambles, kPreambleByte);
    std::copy_n(requestFrame.begin(), length, bytes.begin() + preambles);
    const std::span<const std::uint8_t> transmission{bytes.data(), preambles + length};

    if (linkKind == LinkKind::Ethernet) {
        if (!socket || socket->Transmit(transmission) != static_cast<long>(transmission.size())) {
            status = status::kSendFailed;
            return false;
        }
        return true;
    }
    if (!port) {
        status = status::kWriteFailed;
        return false;
    }
    port->DiscardQueues();
    const bool directLine = linkKind == LinkKind::Direct;
    if (directLine) {
        port->SetBaud(baud);
    }
    port->SetDirectionControl(directLine);
    if (port->Transmit(transmission) != static_cast<long>(transmission.size())) {
        port->ClearErrors();
        status = status::kWriteFailed;
        return false;
    }
    return true;
}

void hgcbox::Receive(platform::ByteChannel& channel) {
    ReplyReceiver receiver(replyFrame);
    std::optional<std::uint8_t> newAddress;
    // A write of table 3 from field 0 changes the controller's address, and the controller may
    // answer from the address just written.
    if (lastFunctionCode == code::kWriteTable && requestFrame[kOffData + 17] == 3 &&
        requestFrame[kOffData + 18] == 0) {
        newAddress = requestFrame[kOffData + 20];
    }
    receiver.Reset(address, requestFrame[kOffAddress] == kBroadcastAddress, newAddress);

    const MonoTime start = clock_.Now();
    const MonoTime firstByteDeadline = start + Millis(firstByteTimeoutMs);
    const auto interByte = Millis(interByteTimeoutMs);
    MonoTime lastByte = start;
    MonoTime lastIdle = start;
    std::array<std::uint8_t, kFrameCapacity> chunk{};

    while (status == status::kOk) {
        MonoTime until = receiver.Accepted() < 2 ? firstByteDeadline : lastByte + interByte;
        if (idle) {
            until = std::min(until, lastIdle + kIdleInterval);
        }
        const platform::ReceiveResult got = channel.Receive(chunk, until);
        if (got.failed) {
            if (linkKind == LinkKind::Ethernet) {
                status = status::kRecvFailed;
                break;
            }
            // A failed serial read counts as no byte; wait instead of spinning on the error.
            port->ClearErrors();
            clock_.SleepUntil(until);
        }
        const MonoTime now = clock_.Now();
        for (std::size_t i = 0; i < got.count && !receiver.Feed(chunk[i]); ++i) {
            lastByte = now;
        }
        if (receiver.Complete()) {
            break;
        }
        if (receiver.Accepted() < 2) {
            if (now >= firstByteDeadline) {
                status = status::kNoAnswer;
            }
        } else if (now >= lastByte + interByte) {
            status = status::kInterByteTimeout;
        }
        if (status == status::kOk && idle && now >= lastIdle + kIdleInterval) {
            idle();
            lastIdle = clock_.Now();
        }
    }
    address = receiver.Address();
}

void hgcbox::DecodeError() {
    const std::uint8_t* data = replyFrame.data() + kOffData;
    if (data[0] == kErrorRefused) {
        status = status::kRefused;
        const int reason = data[1];
        if (reason >= 52) {
            errorText_ = text::Printf("Код причины в ответе %d", reason);
        } else if (reason == kRefusalTableDestroyed) {
            errorText_ = text::Printf("%.*s %d", static_cast<int>(RefusalText(reason).size()),
                                      RefusalText(reason).data(), data[2]);
        } else {
            errorText_ = RefusalText(reason);
        }
        return;
    }
    status = status::kErrorReply;
    const int error = data[0];
    const std::string_view text = ErrorCodeText(error);
    errorText_ = text.empty() ? text::Printf("Код ошибки = %d", error) : std::string(text);
}

std::string hgcbox::StatusText() const {
    std::string text;
    if (status == status::kPortUnavailable) {
        text = portText_;
    } else if (status == status::kErrorReply || status == status::kRefused) {
        text = errorText_;
    } else {
        text = BaseStatusText(status);
    }
    // Only an error reply names a destroyed table; any other failure keeps its own text even if
    // byte 4 of a stale or damaged reply happens to be 60.
    if (status == status::kErrorReply && replyFrame[kOffData] == kErrorTableDestroyed) {
        return text::Printf("Команда %d.  %s %d", lastFunctionCode, text.c_str(), replyFrame[6]);
    }
    return text;
}

bool hgcbox::OpenPort() {
    ClosePort();
    const std::string device = PortDevice();
    // A port wait of 0 s (hand-edited settings) still tries once.
    const MonoTime deadline = clock_.Now() + std::chrono::seconds(std::max(0, portWait));
    platform::OpenError error = platform::OpenError::None;
    while (!(port = openSerial_(device, baud, &error)) && clock_.Now() < deadline) {
        clock_.SleepFor(kPortRetryPause);
    }
    if (!port) {
        status = status::kPortUnavailable;
        portText_ = "Коммуникационный порт " + device + " недоступен";
        return false;
    }
    port->SetDtr(true);
    clock_.SleepFor(kDtrSettle);
    return true;
}

void hgcbox::ClosePort() {
    port.reset();
}

void hgcbox::CloseSocket() {
    socket.reset();
}

}  // namespace zor06::link
