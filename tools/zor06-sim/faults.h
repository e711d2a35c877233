// Misbehaviour on demand, so that the PC side's retries, resynchronisation and timeouts can be
// exercised without a bad line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace zor06::sim {

struct FaultOptions {
    int noise = 0;                      // random bytes (never a reply start) before each reply
    int badCrc = 0;                     // the first replies that carry a damaged checksum
    bool silent = false;                // never answer
    int dropEvery = 0;                  // leave every K-th request to us unanswered; 0 none
    int replyDelayMs = 0;               // pause before a reply
    int gapMs = 0;                      // pause in the middle of a reply
    int lineBaud = 0;                   // pace the reply as on a line of this speed; 0 at once
    std::optional<std::uint64_t> seed;  // of the noise; random without it
    // Archive requests (functions 7, 8, 14, 15, 16) counted from 1: this one, or every N-th,
    // is answered lateByMs later still, after a client's timeout, so that its reply meets the
    // client's retry or next request.
    long lateRequest = 0;
    long lateEvery = 0;
    int lateByMs = 0;
};

// A reply as it goes out: noise included; `middle` is where a gap pause would split it.
struct OutgoingReply {
    std::vector<std::uint8_t> bytes;
    std::size_t middle = 0;
    int delayMs = 0;  // before it goes out
};

class FaultInjector {
public:
    explicit FaultInjector(const FaultOptions& options);

    const FaultOptions& Options() const { return options_; }
    // Called for each valid request to us: whether to ignore it.
    bool DropRequest();
    // The reply to a request of `requestCode` as it goes out.
    OutgoingReply Shape(const std::vector<std::uint8_t>& reply, std::uint8_t requestCode);

private:
    bool AnswersLate(std::uint8_t requestCode);

    FaultOptions options_;
    std::mt19937_64 random_;
    long requests_ = 0;
    long archiveRequests_ = 0;
    int damaged_ = 0;
};

}  // namespace zor06::sim
