#include "link/reply_receiver.h"

#include <cassert>

#include "link/frame.h"

namespace zor06::link {

ReplyReceiver::ReplyReceiver(std::span<std::uint8_t> frame) : frame_(frame) {
    assert(frame_.size() >= kFrameCapacity);
}

void ReplyReceiver::Reset(std::uint8_t address, bool adoptAny,
                          std::optional<std::uint8_t> adoptCandidate) {
    n_ = 0;
    complete_ = false;
    address_ = address;
    adoptAny_ = adoptAny;
    adoptCandidate_ = adoptCandidate;
}

bool ReplyReceiver::Feed(std::uint8_t byte) {
    if (complete_) {
        return true;  // what follows a complete frame is not ours
    }
    // n never exceeds the length byte (at most 255), so this stays inside the 256-byte frame.
    frame_[n_] = byte;
    switch (n_) {
        case 0:
            if (byte == kReplyStart) {
                n_ = 1;
            }
            break;
        case 1:
            JudgeAddress(byte);
            break;
        case 2:
            n_ = byte >= kMinFrameLength ? 3 : 0;
            break;
        default:
            ++n_;
            break;
    }
    complete_ = n_ >= 3 && n_ >= frame_[kOffLength];
    return complete_;
}

void ReplyReceiver::JudgeAddress(std::uint8_t byte) {
    if (byte == address_) {
        n_ = 2;
    } else if (adoptAny_ || (adoptCandidate_ && byte == *adoptCandidate_)) {
        address_ = byte;
        n_ = 2;
    } else if (byte == kReplyStart) {
        n_ = 0;  // a second start byte: the frame that follows is dropped
    }
}

}  // namespace zor06::link
