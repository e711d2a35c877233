// The controller's two message archives: records with global indices, their boundary indices,
// and the answers to the requests by index and by period (whose series the controller itself
// continues from one request to the next).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "messages/archive_kind.h"

namespace zor06::sim {

struct MessageArchiveConfig {
    std::uint32_t size = 200;       // records held
    std::uint32_t oldestIndex = 1;  // global index of the oldest record
    bool errorFlag = false;         // every period reply reports an error in the archive
    int shortBatch = 0;  // most records in one reply; 0: what was asked, up to a full frame
    std::optional<std::uint32_t> badCrcIndex;  // the record of this index has a wrong CRC
    bool namesInCp866 =
        false;  // changed names of table 5 are in code page 866, as the controller's
};

// The date of the record `k` places after the oldest: 01.03.24 00:00:00 plus k × 10 minutes.
std::array<std::uint8_t, 6> RecordDate(std::uint32_t k);

class MessageArchive {
public:
    MessageArchive(messages::Archive archive, const MessageArchiveConfig& config);

    // Boundary table fields 0 and 1; an empty archive reports the same non-zero index twice.
    std::uint32_t Oldest() const;
    std::uint32_t Newest() const;
    // The record of a held index, its CRC-16 at the end.
    std::vector<std::uint8_t> Record(std::uint32_t index) const;

    // The reply data (behind the function code) to a request's 7- or 15-byte block.
    std::vector<std::uint8_t> AnswerByIndex(std::span<const std::uint8_t> block) const;
    std::vector<std::uint8_t> AnswerByPeriod(std::span<const std::uint8_t> block);

private:
    bool Holds(std::uint32_t index) const;
    int Batch(int asked) const;
    void AppendRecords(std::vector<std::uint8_t>& data, std::uint32_t from, int count) const;

    const messages::ArchiveKind& kind_;
    MessageArchiveConfig config_;
    std::uint32_t seriesNext_ = 0;  // offset from the oldest of the next record of the series
    std::array<std::uint8_t, 6> seriesEnd_{};
    // The last request's sequence byte and where its records began: a request that carries the
    // same byte again repeats one whose reply was lost, and gets the same records.
    std::uint8_t lastSequence_ = 0;
    std::uint32_t lastBatch_ = 0;
};

}  // namespace zor06::sim
