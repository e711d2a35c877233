// What the link object tells about each exchange it makes, for a monitor of the line: one report
// per attempt of a request, after the attempt ended.
#pragma once

#include <cstdint>
#include <span>

#include "platform/clock.h"

namespace zor06::link {

struct ExchangeView {
    double sentAt = 0;  // local time of the sending, days since 30 December 1899
    std::uint8_t functionCode = 0;
    std::span<const std::uint8_t> request;  // the frame as sent, without the preambles
    std::span<const std::uint8_t> reply;    // the complete frame, or what had come of it
    platform::Duration replyTime{};         // from the end of the sending to the end of receiving
    int status = 0;                         // the link's status after the attempt
    int attempt = 1;                        // 2 and up are repeats of the same request
    bool skippedOther = false;              // a reply to another request came and was passed over
};

class ExchangeObserver {
public:
    virtual ~ExchangeObserver() = default;
    // Called on the link's thread while the request runs: it should only copy what it keeps.
    // The spans are valid during the call only.
    virtual void ExchangeDone(const ExchangeView& exchange) = 0;
};

}  // namespace zor06::link
