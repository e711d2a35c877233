// The last exchanges of the link kept for a monitor of the line: a bounded ring the link reports
// into and a window reads from between requests.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "link/exchange_observer.h"
#include "link/frame.h"

namespace zor06::link {

// One exchange as kept: the bytes copied out of the link's frames, their secrets zeroed.
struct ExchangeRecord {
    std::uint64_t sequence = 0;  // 1 for the first exchange the ring took, counting on
    double sentAt = 0;
    std::uint8_t functionCode = 0;
    std::uint8_t requestLength = 0;
    std::uint8_t replyLength = 0;
    std::array<std::uint8_t, kMaxFrameLength> request{};
    std::array<std::uint8_t, kMaxFrameLength> reply{};
    platform::Duration replyTime{};
    int status = 0;
    int attempt = 1;
    bool skippedOther = false;

    ExchangeView View() const;
};

class ExchangeRing final : public ExchangeObserver {
public:
    static constexpr std::size_t kDefaultCapacity = 10'000;

    explicit ExchangeRing(std::size_t capacity = kDefaultCapacity);

    // Keeps the exchange, overwriting the oldest when full; dropped while paused.
    void ExchangeDone(const ExchangeView& exchange) override;

    void SetPaused(bool paused);
    bool Paused() const;
    // Forgets every exchange kept; sequence numbers go on from where they were.
    void Clear();

    // The exchanges kept whose sequence is above `sequence`, oldest first; 0 gives all of them.
    std::vector<ExchangeRecord> Since(std::uint64_t sequence) const;
    // The sequence of the newest exchange taken (0 before the first).
    std::uint64_t LastSequence() const;
    std::size_t Size() const;
    std::size_t Capacity() const { return capacity_; }
    // Exchanges lost because newer ones took their place, since the last Clear.
    std::uint64_t Overwritten() const;

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    // Reserved in full at the start, so that keeping an exchange never allocates.
    std::vector<ExchangeRecord> records_;
    std::size_t oldest_ = 0;  // index of the oldest record once the ring is full
    std::uint64_t lastSequence_ = 0;
    std::uint64_t overwritten_ = 0;
    bool paused_ = false;
};

}  // namespace zor06::link
