#include "link/exchange_ring.h"

#include <algorithm>

#include "link/frame_secrets.h"

namespace zor06::link {
namespace {

// Frames are at most 255 bytes; a longer span is cut rather than trusted.
std::uint8_t CopyFrame(std::span<const std::uint8_t> from,
                       std::array<std::uint8_t, kMaxFrameLength>& to) {
    const std::size_t length = std::min(from.size(), to.size());
    std::copy_n(from.begin(), length, to.begin());
    return static_cast<std::uint8_t>(length);
}

}  // namespace

ExchangeView ExchangeRecord::View() const {
    ExchangeView view;
    view.sentAt = sentAt;
    view.functionCode = functionCode;
    view.request = std::span<const std::uint8_t>(request).first(requestLength);
    view.reply = std::span<const std::uint8_t>(reply).first(replyLength);
    view.replyTime = replyTime;
    view.status = status;
    view.attempt = attempt;
    view.skippedOther = skippedOther;
    return view;
}

ExchangeRing::ExchangeRing(std::size_t capacity) : capacity_(std::max<std::size_t>(1, capacity)) {
    records_.reserve(capacity_);
}

void ExchangeRing::ExchangeDone(const ExchangeView& exchange) {
    const std::lock_guard lock(mutex_);
    if (paused_) {
        return;
    }
    ExchangeRecord* slot = nullptr;
    if (records_.size() < capacity_) {
        slot = &records_.emplace_back();
    } else {
        slot = &records_[oldest_];
        oldest_ = (oldest_ + 1) % capacity_;
        ++overwritten_;
    }
    slot->sequence = ++lastSequence_;
    slot->sentAt = exchange.sentAt;
    slot->functionCode = exchange.functionCode;
    slot->requestLength = CopyFrame(exchange.request, slot->request);
    slot->replyLength = CopyFrame(exchange.reply, slot->reply);
    // The text masks them anyway; the ring need not keep them for as long as it lives.
    BlankSecrets(slot->request, RequestSecrets(exchange.request));
    BlankSecrets(slot->reply, ReplySecrets(exchange.request, exchange.reply));
    slot->replyTime = exchange.replyTime;
    slot->status = exchange.status;
    slot->attempt = exchange.attempt;
    slot->skippedOther = exchange.skippedOther;
}

void ExchangeRing::SetPaused(bool paused) {
    const std::lock_guard lock(mutex_);
    paused_ = paused;
}

bool ExchangeRing::Paused() const {
    const std::lock_guard lock(mutex_);
    return paused_;
}

void ExchangeRing::Clear() {
    const std::lock_guard lock(mutex_);
    records_.clear();
    oldest_ = 0;
    overwritten_ = 0;
}

std::vector<ExchangeRecord> ExchangeRing::Since(std::uint64_t sequence) const {
    const std::lock_guard lock(mutex_);
    std::vector<ExchangeRecord> newer;
    // Sequences rise by one from the oldest kept, so the first wanted one is found by count.
    const std::size_t kept = records_.size();
    const std::uint64_t firstKept = lastSequence_ - kept + 1;
    const std::size_t skip =
        sequence < firstKept
            ? 0
            : static_cast<std::size_t>(std::min<std::uint64_t>(sequence - firstKept + 1, kept));
    newer.reserve(kept - skip);
    for (std::size_t i = skip; i < kept; ++i) {
        newer.push_back(records_[(oldest_ + i) % capacity_]);
    }
    return newer;
}

std::uint64_t ExchangeRing::LastSequence() const {
    const std::lock_guard lock(mutex_);
    return lastSequence_;
}

std::size_t ExchangeRing::Size() const {
    const std::lock_guard lock(mutex_);
    return records_.size();
}

std::uint64_t ExchangeRing::Overwritten() const {
    const std::lock_guard lock(mutex_);
    return overwritten_;
}

}  // namespace zor06::link
