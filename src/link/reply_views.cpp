#include "link/reply_views.h"

#include <algorithm>
#include <utility>

#include "link/frame.h"

namespace zor06::link {
namespace {

constexpr std::size_t kChecksumSize = 2;

// Where an archive reply keeps its record count and its first record.
struct ArchiveLayout {
    std::size_t countAt = 0;
    std::size_t recordsAt = 0;
};

std::optional<ArchiveLayout> ArchiveLayoutOf(std::uint8_t functionCode) {
    switch (functionCode) {
        case code::kMessagesByIndex:
            return ArchiveLayout{10, 11};
        case code::kMessagesByPeriod:
            return ArchiveLayout{6, 8};
        case code::kArchive3Min:
        case code::kArchiveHourly:
        case code::kArchiveDaily:
            return ArchiveLayout{4, 5};
        default:
            return std::nullopt;
    }
}

TableEcho EchoAt(std::span<const std::uint8_t> frame, std::size_t offset) {
    return {frame[offset], frame[offset + 1], frame[offset + 2]};
}

// A read or write reply: long enough to hold the echo, then the echo, then the exact length.
ReplyFit JudgeTableReply(std::span<const std::uint8_t> frame, std::size_t echoAt,
                         std::optional<TableEcho> echo, std::optional<std::size_t> length) {
    if (frame.size() < echoAt + 3 + kChecksumSize) {
        return ReplyFit::WrongLength;
    }
    if (echo && EchoAt(frame, echoAt) != *echo) {
        return ReplyFit::OtherRequest;
    }
    if (length && frame.size() != *length) {
        return ReplyFit::WrongLength;
    }
    return ReplyFit::Fits;
}

}  // namespace

std::span<const std::uint8_t> FrameBytes(std::span<const std::uint8_t> frame) {
    if (frame.size() <= kOffLength) {
        return {};
    }
    return frame.first(std::min<std::size_t>(frame[kOffLength], frame.size()));
}

ReplyFit JudgeReply(const ReplyExpectation& expected, std::span<const std::uint8_t> frame) {
    const std::span<const std::uint8_t> bytes = FrameBytes(frame);
    switch (expected.functionCode) {
        case code::kReadTable: {
            std::optional<std::size_t> length;
            if (expected.echo && expected.recordSize != 0) {
                length = ReadReply::kOverhead + expected.echo->count * expected.recordSize;
            }
            return JudgeTableReply(bytes, ReadReply::kOffEcho, expected.echo, length);
        }
        case code::kWriteTable:
            return JudgeTableReply(bytes, WriteReply::kOffEcho, expected.echo, WriteReply::kLength);
        case code::kClockCorrection:
            return bytes.size() == ClockReply::kLength ? ReplyFit::Fits : ReplyFit::WrongLength;
        default:
            if (ArchiveLayoutOf(expected.functionCode)) {
                const std::optional<ArchiveReply> reply =
                    ArchiveReply::Parse(bytes, expected.functionCode, expected.recordSize);
                if (!reply) {
                    return ReplyFit::WrongLength;
                }
                return expected.maxRecords != 0 && reply->Count() > expected.maxRecords
                           ? ReplyFit::TooManyRecords
                           : ReplyFit::Fits;
            }
            return ReplyFit::Fits;  // codes without a known reply layout
    }
}

ReplyFit JudgeReplyWhileOneIsLate(const ReplyExpectation& expected,
                                  std::span<const std::uint8_t> frame) {
    const ReplyFit fit = JudgeReply(expected, frame);
    // A frame that breaks its own layout answers no request: it stays a fault.
    if (!ArchiveLayoutOf(expected.functionCode) || fit == ReplyFit::WrongLength) {
        return fit;
    }
    const std::optional<ArchiveReply> reply =
        ArchiveReply::Parse(frame, expected.functionCode, expected.recordSize);
    return fit == ReplyFit::Fits && reply && expected.records.Admits(*reply)
               ? ReplyFit::Fits
               : ReplyFit::OtherRequest;
}

bool RecordCheck::Admits(const ArchiveReply& reply) const {
    if (!taken.empty() && std::ranges::equal(reply.Records(), taken)) {
        return false;
    }
    for (std::size_t i = 0; fits && i < reply.Count(); ++i) {
        const std::span<const std::uint8_t> record = reply.Record(i);
        if (!record.empty() && !fits(record)) {
            return false;
        }
    }
    return true;
}

ReplyExpectation ExpectationFromRequest(std::span<const std::uint8_t> requestFrame) {
    ReplyExpectation expected{requestFrame[kOffCode], std::nullopt, 0};
    if (expected.functionCode == code::kReadTable) {
        expected.echo = EchoAt(requestFrame, kOffReadHeader);
    } else if (expected.functionCode == code::kWriteTable) {
        expected.echo = EchoAt(requestFrame, kOffWriteHeader);
    }
    return expected;
}

ReplyExpectation ReadReply::Expect(TableEcho request, std::size_t fieldSize) {
    return {code::kReadTable, request, fieldSize};
}

std::optional<ReadReply> ReadReply::Parse(std::span<const std::uint8_t> frame, TableEcho request,
                                          std::size_t fieldSize) {
    const std::span<const std::uint8_t> bytes = FrameBytes(frame);
    if (JudgeReply(Expect(request, fieldSize), bytes) != ReplyFit::Fits) {
        return std::nullopt;
    }
    return ReadReply(bytes, bytes.subspan(kOffValues, bytes.size() - kOverhead));
}

TableEcho ReadReply::Echo() const {
    return EchoAt(frame_, kOffEcho);
}

ReplyExpectation WriteReply::Expect(TableEcho request) {
    return {code::kWriteTable, request, 0};
}

ReplyExpectation ClockReply::Expect() {
    return {code::kClockCorrection, std::nullopt, 0};
}

ReplyExpectation ArchiveReply::Expect(std::uint8_t functionCode, std::size_t recordSize,
                                      std::size_t maxRecords, RecordCheck records) {
    return {functionCode, std::nullopt, recordSize, maxRecords, std::move(records)};
}

std::optional<ArchiveReply> ArchiveReply::Parse(std::span<const std::uint8_t> frame,
                                                std::uint8_t functionCode, std::size_t recordSize) {
    const std::optional<ArchiveLayout> layout = ArchiveLayoutOf(functionCode);
    const std::span<const std::uint8_t> bytes = FrameBytes(frame);
    if (!layout || bytes.size() < layout->recordsAt + kChecksumSize) {
        return std::nullopt;
    }
    const std::size_t count = bytes[layout->countAt];
    const std::size_t room = bytes.size() - layout->recordsAt - kChecksumSize;
    // With the record size unknown, every record takes at least one byte. A reply with bytes
    // behind its records, or fewer bytes than its count needs, is not the reply its count
    // describes.
    const bool fits = recordSize == 0 ? count <= room : count * recordSize == room;
    if (!fits) {
        return std::nullopt;
    }
    const std::size_t recordBytes = recordSize == 0 ? room : count * recordSize;
    return ArchiveReply(bytes, count, bytes.subspan(layout->recordsAt, recordBytes), recordSize);
}

std::span<const std::uint8_t> ArchiveReply::Record(std::size_t i) const {
    return i < count_ && recordSize_ != 0 ? records_.subspan(i * recordSize_, recordSize_)
                                          : std::span<const std::uint8_t>{};
}

bool ArchiveReply::ArchiveError() const {
    return (frame_[kOffData] & 0x80) != 0;
}

bool ArchiveReply::MoreFollow() const {
    return frame_.size() > 7 && frame_[7] != 0;
}

}  // namespace zor06::link
