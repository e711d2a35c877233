#include "zor06-sim/faults.h"

#include "link/frame.h"

namespace zor06::sim {

FaultInjector::FaultInjector(const FaultOptions& options)
    : options_(options), random_(options.seed ? *options.seed : std::random_device{}()) {}

bool FaultInjector::DropRequest() {
    if (options_.silent) {
        return true;
    }
    ++requests_;
    return options_.dropEvery > 0 && requests_ % options_.dropEvery == 0;
}

bool FaultInjector::AnswersLate(std::uint8_t requestCode) {
    switch (requestCode) {
        case link::code::kMessagesByIndex:
        case link::code::kMessagesByPeriod:
        case link::code::kArchive3Min:
        case link::code::kArchiveHourly:
        case link::code::kArchiveDaily:
            break;
        default:
            return false;
    }
    ++archiveRequests_;
    return archiveRequests_ == options_.lateRequest ||
           (options_.lateEvery > 0 && archiveRequests_ % options_.lateEvery == 0);
}

OutgoingReply FaultInjector::Shape(const std::vector<std::uint8_t>& reply,
                                   std::uint8_t requestCode) {
    OutgoingReply out;
    out.delayMs = options_.replyDelayMs + (AnswersLate(requestCode) ? options_.lateByMs : 0);
    // Noise never holds a reply start, which would be a valid resynchronisation point.
    std::uniform_int_distribution<int> noiseByte(0, 254);
    for (int i = 0; i < options_.noise; ++i) {
        const int b = noiseByte(random_);
        out.bytes.push_back(static_cast<std::uint8_t>(b >= link::kReplyStart ? b + 1 : b));
    }
    out.middle = out.bytes.size() + reply.size() / 2;
    out.bytes.insert(out.bytes.end(), reply.begin(), reply.end());
    if (damaged_ < options_.badCrc && !reply.empty()) {
        ++damaged_;
        out.bytes.back() ^= 0xFF;
    }
    return out;
}

}  // namespace zor06::sim
