// The one loop of every archive reading (messages, data, passports): request after request, the
// late reply told from the one asked for, the reply's records judged by the reading and kept, Esc
// between replies, and what a failed request tells the operator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "archive/reading_end.h"
#include "link/reply_views.h"
#include "tables/table_service.h"

namespace zor06::archive {

// One archive request and what its records must be.
struct Request {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> data;
    std::size_t maxRecords = 0;  // the number asked for; 0 when the request does not say
    // Whether a record can answer this request (see link::RecordCheck).
    std::function<bool(std::span<const std::uint8_t> record)> fits;
};

// What a reply means to the reading that judged it.
enum class Verdict {
    More,       // ask again
    Last,       // the series is complete with this reply
    Empty,      // an empty reply ended the series: no pause for Esc after it
    Refused,    // what was kept stands, and the reading ends cut short
    Abandoned,  // the reading told the operator why; nothing of it stands
};

// One series of requests of one archive.
class Series {
public:
    virtual ~Series() = default;
    // The first line of "не прочитаны" / "прочитаны не полностью".
    virtual std::string_view Title() const = 0;
    virtual std::size_t RecordSize() const = 0;
    // Whether the records of a series cut short are shown: otherwise a failed request always
    // says "не прочитаны".
    virtual bool ShowsPart() const { return true; }
    virtual Request Next() = 0;
    // Judges a reply to the last request, appending the records it keeps to `kept`.
    virtual Verdict Take(const link::ArchiveReply& reply, std::vector<std::uint8_t>& kept) = 0;
};

// Where the kept records go; false after the operator was told why they could not.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual bool Append(std::span<const std::uint8_t> records) = 0;
};

class MemorySink final : public RecordSink {
public:
    bool Append(std::span<const std::uint8_t> records) override {
        bytes.insert(bytes.end(), records.begin(), records.end());
        return true;
    }
    std::vector<std::uint8_t> bytes;
};

struct LoopResult {
    // NothingShown when the sink failed or the reading abandoned its records.
    ReadingEnd end = ReadingEnd::Complete;
    std::size_t records = 0;  // kept
};

// One request of `request` for records of `recordSize` bytes. `taken`: the records of the reply
// taken before, which a late reply to that request would bring again. Nothing, with the link's
// status text on the message panel, when no reply came or it was not an archive reply.
std::optional<link::ArchiveReply> AskArchive(tables::TableContext& ctx, const Request& request,
                                             std::size_t recordSize,
                                             std::span<const std::uint8_t> taken = {});

// Requests until the series ends, the operator presses Esc or a request fails.
LoopResult RunSeries(tables::TableContext& ctx, Series& series, RecordSink& sink);

}  // namespace zor06::archive
