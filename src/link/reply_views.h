// Views of the controller's reply frames, one per function code: where each reply keeps its
// parts, and whether a complete, checksum-correct frame answers the request that was sent. No
// caller reads reply offsets of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace zor06::link {

// Table number, first field and number of fields: the header that a read or write carries and
// that its reply repeats.
struct TableEcho {
    std::uint8_t table = 0;
    std::uint8_t first = 0;
    std::uint8_t count = 0;
    bool operator==(const TableEcho&) const = default;
};

// How a normal reply (code byte = request code | 0x80) relates to the request just sent.
enum class ReplyFit {
    Fits,            // it answers this request
    OtherRequest,    // it answers another request (a late reply): skipped, reception goes on
    WrongLength,     // it names this request, but its length does not fit the function's layout
    TooManyRecords,  // an archive reply with more records than were asked for
};

class ArchiveReply;

// What an archive reading knows of the records that answer its next request. The link asks it
// only while the reply to an earlier request may still arrive (after a timeout): a reply that
// fails it is taken for that late one.
struct RecordCheck {
    // The records of the reply the reading took last: the late answer to that request, or to its
    // retry, brings them again.
    std::span<const std::uint8_t> taken;
    // Whether a record can be one of those asked for: dated in the period asked for, or, read by
    // index, none of the records at the indices before.
    std::function<bool(std::span<const std::uint8_t> record)> fits;

    bool Admits(const ArchiveReply& reply) const;
};

// What a caller expects of the reply to its request.
struct ReplyExpectation {
    std::uint8_t functionCode = 0;
    std::optional<TableEcho> echo;  // codes 1 and 2
    std::size_t recordSize = 0;  // one field (code 1) or archive record (7, 8, 14..16); 0 unknown
    std::size_t maxRecords = 0;  // code 7: the number of records asked for; 0 not stated
    RecordCheck records{};       // archive codes
};

// Judges a normal reply against `expected`; `frame` holds at least the bytes its length names.
ReplyFit JudgeReply(const ReplyExpectation& expected, std::span<const std::uint8_t> frame);
// The same while the reply to an earlier request may still arrive: a well-formed archive reply
// that does not fit in every respect, its records included, is that late reply rather than a
// faulty answer.
ReplyFit JudgeReplyWhileOneIsLate(const ReplyExpectation& expected,
                                  std::span<const std::uint8_t> frame);

// What the link expects when the caller states nothing: reads and writes must echo the request's
// table header; field and record sizes are unknown.
ReplyExpectation ExpectationFromRequest(std::span<const std::uint8_t> requestFrame);

// The L bytes of a frame (its length byte), cut to what `frame` holds.
std::span<const std::uint8_t> FrameBytes(std::span<const std::uint8_t> frame);

// Code 1: [4] ignored; [5..7] the echo; [8..] number of fields × field size value bytes.
class ReadReply {
public:
    static constexpr std::size_t kOffEcho = 5;
    static constexpr std::size_t kOffValues = 8;
    static constexpr std::size_t kOverhead = 10;  // frame bytes around the values

    static ReplyExpectation Expect(TableEcho request, std::size_t fieldSize);
    // The reply when it answers `request` with fields of `fieldSize` bytes; nullopt otherwise.
    static std::optional<ReadReply> Parse(std::span<const std::uint8_t> frame, TableEcho request,
                                          std::size_t fieldSize);

    TableEcho Echo() const;
    std::span<const std::uint8_t> Values() const { return values_; }

private:
    ReadReply(std::span<const std::uint8_t> frame, std::span<const std::uint8_t> values)
        : frame_(frame), values_(values) {}
    std::span<const std::uint8_t> frame_;
    std::span<const std::uint8_t> values_;
};

// Code 2: [5..7] the echo of the written header, nothing else.
class WriteReply {
public:
    static constexpr std::size_t kOffEcho = 5;
    static constexpr std::size_t kLength = 10;

    static ReplyExpectation Expect(TableEcho request);
};

// Code 12: success alone, no data.
class ClockReply {
public:
    static constexpr std::size_t kLength = 6;

    static ReplyExpectation Expect();
};

// Codes 7, 8, 14, 15, 16: a record count and that many records of the archive's record size.
class ArchiveReply {
public:
    static ReplyExpectation Expect(std::uint8_t functionCode, std::size_t recordSize,
                                   std::size_t maxRecords = 0, RecordCheck records = {});
    // The reply when its counted records fit inside the frame; nullopt when they do not, when
    // the frame is too short for its count byte, or for another function code. The message
    // archives (7, 8) with a known record size must hold exactly the counted records.
    static std::optional<ArchiveReply> Parse(std::span<const std::uint8_t> frame,
                                             std::uint8_t functionCode, std::size_t recordSize);

    std::size_t Count() const { return count_; }
    // The counted records; with the record size unknown, every byte behind the count.
    std::span<const std::uint8_t> Records() const { return records_; }
    // Record `i` (< Count()).
    std::span<const std::uint8_t> Record(std::size_t i) const;
    // Code 8 only: byte 4 bit 7, the archive's error flag; byte 7, more records follow.
    bool ArchiveError() const;
    bool MoreFollow() const;

private:
    ArchiveReply(std::span<const std::uint8_t> frame, std::size_t count,
                 std::span<const std::uint8_t> records, std::size_t recordSize)
        : frame_(frame), count_(count), records_(records), recordSize_(recordSize) {}
    std::span<const std::uint8_t> frame_;
    std::size_t count_;
    std::span<const std::uint8_t> records_;
    std::size_t recordSize_;
};

// An error reply: [4] the error code; with code 24, [5] the refusal reason and [6] a table; with
// code 60, [6] the destroyed table.
class ErrorReply {
public:
    explicit ErrorReply(std::span<const std::uint8_t> frame) : frame_(frame) {}
    std::uint8_t Code() const { return At(4); }
    std::uint8_t Reason() const { return At(5); }
    std::uint8_t Table() const { return At(6); }

private:
    std::uint8_t At(std::size_t offset) const {
        return offset < frame_.size() ? frame_[offset] : 0;
    }
    std::span<const std::uint8_t> frame_;
};

}  // namespace zor06::link
