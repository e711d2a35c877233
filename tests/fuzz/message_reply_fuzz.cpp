// Arbitrary frames never make the message-archive reply views read outside the frame, and a
// reply they take always holds exactly the records its count names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "link/reply_views.h"

namespace {

constexpr std::size_t kChecksumSize = 2;

void Check(std::span<const std::uint8_t> frame, std::uint8_t code, std::size_t recordSize,
           std::size_t recordsAt, std::size_t maxRecords) {
    const auto reply = zor06::link::ArchiveReply::Parse(frame, code, recordSize);
    if (!reply) {
        return;
    }
    const std::size_t length = zor06::link::FrameBytes(frame).size();
    if (recordsAt + reply->Count() * recordSize + kChecksumSize != length ||
        reply->Records().size() != reply->Count() * recordSize) {
        std::abort();
    }
    for (std::size_t i = 0; i < reply->Count(); ++i) {
        if (reply->Record(i).size() != recordSize) {
            std::abort();
        }
    }
    (void)reply->ArchiveError();
    (void)reply->MoreFollow();
    const auto fit = zor06::link::JudgeReply(
        zor06::link::ArchiveReply::Expect(code, recordSize, maxRecords), frame);
    const bool tooMany = maxRecords != 0 && reply->Count() > maxRecords;
    if ((fit == zor06::link::ReplyFit::TooManyRecords) != tooMany) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte picks the count asked for; the rest is the frame.
    const std::size_t asked = data[0] % 12;
    const std::span<const std::uint8_t> frame(data + 1, size - 1);
    Check(frame, 7, 24, 11, asked);
    Check(frame, 7, 22, 11, asked);
    Check(frame, 8, 24, 8, 0);
    Check(frame, 8, 22, 8, 0);
    return 0;
}
