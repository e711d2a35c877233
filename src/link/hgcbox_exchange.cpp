// One attempt of a request: transmit, receive under the two timers, judge the reply.
#include <algorithm>
#include <optional>

#include "link/crc16.h"
#include "link/hgcbox.h"
#include "link/link_texts.h"
#include "link/reply_receiver.h"

namespace zor06::link {
namespace {

using platform::Millis;
using platform::MonoTime;

constexpr auto kIdleInterval = Millis(50);

}  // namespace

bool hgcbox::Exchange(const ReplyExpectation& expected, int attempt) {
    // The clocks are read for a monitor only: without one an attempt costs what it always did.
    const bool watched = observer_ != nullptr;
    const double sentAt = watched ? clock_.LocalDateTime() : 0;
    std::optional<MonoTime> sent;
    Reception reception;
    if (requestFrame[kOffStart] != kRequestStart) {
        status = status::kBadStartByte;
    } else if (Transmit()) {
        ++owedReplies_;
        lastHeard_ = clock_.Now();
        std::fill_n(replyFrame.begin(), kMaxFrameLength, std::uint8_t{0});
        status = status::kOk;
        if (watched) {
            sent = clock_.Now();
        }
        reception = Receive(expected);
        if (channel_) {
            channel_->DiscardQueues();
        }
    }
    // Nothing more goes through a connection whose send or receive failed: the peer closed or
    // reset it, and a controller that came back waits on a new one.
    if ((status == status::kSendFailed || status == status::kRecvFailed) && channel_ &&
        channel_->Socket() != nullptr) {
        connectionLost_ = true;
    }
    // The monitor may have been closed meanwhile (from idle).
    if (watched && observer_ != nullptr) {
        ExchangeView view;
        view.sentAt = sentAt;
        view.functionCode = lastFunctionCode;
        view.request = FrameBytes(requestFrame);
        view.reply = std::span<const std::uint8_t>(replyFrame).first(reception.length);
        view.replyTime = sent ? clock_.Now() - *sent : platform::Duration{};
        view.status = status;
        view.attempt = attempt;
        view.skippedOther = reception.skipped;
        observer_->ExchangeDone(view);
    }
    return status == status::kOk;
}

bool hgcbox::Transmit() {
    if (!channel_) {
        status = linkKind == LinkKind::Ethernet ? status::kSendFailed : status::kWriteFailed;
        return false;
    }
    std::array<std::uint8_t, 2 * kMaxFrameLength> bytes{};
    const std::size_t length = requestFrame[kOffLength];
    std::fill_n(bytes.begin(), preambles, kPreambleByte);
    std::copy_n(requestFrame.begin(), length, bytes.begin() + preambles);
    const std::span<const std::uint8_t> transmission{bytes.data(), preambles + length};

    // A late reply to an earlier request must not be taken for the reply to this one.
    channel_->DiscardQueues();
    channel_->PrepareTransmit(Line());
    if (channel_->Transmit(transmission) == static_cast<long>(transmission.size())) {
        return true;
    }
    status = channel_->RecoverFromFailure() ? status::kWriteFailed : status::kSendFailed;
    return false;
}

void hgcbox::ReplyArrived() {
    owedReplies_ = std::max(0, owedReplies_ - 1);
}

bool hgcbox::JudgeCompleteFrame(const ReplyExpectation& expected, bool lateOneOwed, bool* skipped) {
    const std::span<const std::uint8_t> frame = FrameBytes(replyFrame);
    if (Crc16(frame) != 0) {
        status = status::kBadChecksum;
        return true;
    }
    const std::uint8_t replyCode = frame[kOffCode];
    if (replyCode == (lastFunctionCode | kReplyFlag)) {
        const ReplyFit fit =
            lateOneOwed ? JudgeReplyWhileOneIsLate(expected, frame) : JudgeReply(expected, frame);
        switch (fit) {
            case ReplyFit::Fits:
                return true;
            case ReplyFit::WrongLength:
                status = status::kReplyLengthMismatch;
                return true;
            case ReplyFit::TooManyRecords:
                status = status::kTooManyRecords;
                return true;
            case ReplyFit::OtherRequest:
                break;
        }
    } else if ((replyCode & kReplyFlag) == 0) {
        DecodeError();
        return true;
    }
    // A normal reply to another request (a late one): not ours, keep listening.
    *skipped = true;
    return false;
}

hgcbox::Reception hgcbox::Receive(const ReplyExpectation& expected) {
    ReplyReceiver receiver(replyFrame);
    std::optional<std::uint8_t> newAddress;
    // A write of table 3 from field 0 changes the controller's address, and the controller may
    // answer from the address just written.
    if (lastFunctionCode == code::kWriteTable && requestFrame[kOffWriteHeader] == 3 &&
        requestFrame[kOffWriteHeader + 1] == 0) {
        newAddress = requestFrame[kOffWriteValues];
    }
    const bool adoptAny = requestFrame[kOffAddress] == kBroadcastAddress;
    receiver.Reset(address, adoptAny, newAddress);

    const MonoTime start = clock_.Now();
    const MonoTime firstByteDeadline = start + Millis(firstByteTimeoutMs);
    const auto interByte = Millis(interByteTimeoutMs);
    MonoTime lastByte = start;
    MonoTime lastIdle = start;
    bool skipped = false;  // a complete reply to another request came and went
    bool done = false;
    std::array<std::uint8_t, kFrameCapacity> chunk{};

    while (status == status::kOk && !done) {
        MonoTime until = receiver.Accepted() < 2 ? firstByteDeadline : lastByte + interByte;
        if (listener_ != nullptr) {
            until = std::min(until, lastIdle + kIdleInterval);
        }
        const platform::ReceiveResult got = channel_->Receive(chunk, until);
        if (got.failed) {
            if (!channel_->RecoverFromFailure()) {
                status = status::kRecvFailed;
                break;
            }
            // A failed serial read counts as no byte; wait instead of spinning on the error.
            clock_.SleepUntil(until);
        }
        const MonoTime now = clock_.Now();
        if (got.count > 0) {
            lastHeard_ = now;
        }
        for (std::size_t i = 0; i < got.count && !done; ++i) {
            if (!receiver.Feed(chunk[i])) {
                lastByte = now;
                continue;
            }
            // Another reply still owed besides this sending's: this frame may be that one.
            const bool lateOneOwed = owedReplies_ > 1;
            ReplyArrived();
            if (JudgeCompleteFrame(expected, lateOneOwed, &skipped)) {
                done = true;
            } else {
                // The bytes behind a skipped frame may begin the one we wait for.
                std::fill_n(replyFrame.begin(), kMaxFrameLength, std::uint8_t{0});
                receiver.Reset(address, adoptAny, newAddress);
            }
        }
        if (done) {
            break;
        }
        if (receiver.Accepted() < 2) {
            if (now >= firstByteDeadline) {
                status = skipped ? status::kReplyMismatch : status::kNoAnswer;
            }
        } else if (now >= lastByte + interByte) {
            status = status::kInterByteTimeout;
        }
        if (status == status::kOk && !IdleWhenDue(now, lastIdle)) {
            status = status::kAborted;
        }
    }
    address = receiver.Address();
    return {receiver.Accepted(), skipped};
}

bool hgcbox::IdleWhenDue(MonoTime now, MonoTime& lastIdle) {
    if (listener_ != nullptr && now >= lastIdle + kIdleInterval) {
        listener_->Idle();
        lastIdle = clock_.Now();
    }
    // Whatever ran meanwhile may have closed the line: the request ends, nothing breaks.
    return channel_ != nullptr;
}

void hgcbox::DrainLine() {
    if (!channel_ || connectionLost_) {
        return;
    }
    // The frames that end on the way are replies owed; they are counted, never taken.
    std::array<std::uint8_t, kFrameCapacity> frame{};
    ReplyReceiver receiver(frame);
    const bool adoptAny = requestFrame[kOffAddress] == kBroadcastAddress;
    receiver.Reset(address, adoptAny, std::nullopt);
    const auto quiet = Millis(interByteTimeoutMs);
    // A line that never falls quiet still gets its retry.
    const MonoTime deadline = clock_.Now() + Millis(firstByteTimeoutMs);
    MonoTime lastIdle = clock_.Now();
    std::array<std::uint8_t, kFrameCapacity> chunk{};
    for (MonoTime now = clock_.Now(); now < lastHeard_ + quiet && now < deadline;
         now = clock_.Now()) {
        MonoTime until = std::min(lastHeard_ + quiet, deadline);
        if (listener_ != nullptr) {
            until = std::min(until, lastIdle + kIdleInterval);
        }
        const platform::ReceiveResult got = channel_->Receive(chunk, until);
        if (got.failed) {
            if (!channel_->RecoverFromFailure()) {
                connectionLost_ = true;
                return;
            }
            clock_.SleepUntil(until);
        }
        if (got.count > 0) {
            lastHeard_ = clock_.Now();
        }
        for (std::size_t i = 0; i < got.count; ++i) {
            if (receiver.Feed(chunk[i])) {
                ReplyArrived();
                receiver.Reset(address, adoptAny, std::nullopt);
            }
        }
        if (!IdleWhenDue(clock_.Now(), lastIdle)) {
            return;
        }
    }
}

}  // namespace zor06::link
