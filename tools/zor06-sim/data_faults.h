// Misbehaviour of the chromatograph and moisture-meter data archives on demand: which records
// carry an unusable status or a wrong checksum, which slots are missing, how the archives began.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "tables/controller_date.h"

namespace zor06::sim {

// In the order of table 27's fields.
enum class DataArchive { Minute = 0, Hour = 1, Day = 2 };
inline constexpr int kDataArchives = 3;

enum class DataSource { Run1 = 0, Run2 = 1, Moisture = 2 };
inline constexpr int kDataSources = 3;

// Slots are counted from 01.01.00 00:00: 3-minute slots, hours, gas days (by their date).
struct RecordSelector {
    DataArchive archive = DataArchive::Minute;
    DataSource source = DataSource::Run1;
    std::optional<std::int64_t> slot;  // one record, or
    std::int64_t every = 0;            // every record whose slot is a multiple of this

    bool Matches(DataArchive a, DataSource s, std::int64_t recordSlot) const;
};

struct RecordStatus {
    RecordSelector where;
    std::uint8_t status = 0;
};

struct DataArchiveConfig {
    std::uint64_t seed = 0;  // of the values' drift
    // The archives began at this local time instead of having filled their rings.
    std::optional<bytes::ControllerDateTime> start;
    std::array<bool, kDataArchives> empty{};
    std::vector<RecordStatus> statuses;
    std::vector<RecordSelector> badCrc;
    std::vector<RecordSelector> missing;
    // After the first reply of an archive, every reply to it repeats the records of the last one.
    bool repeatReplies = false;
    // Daily records carry the date of the gas day this many days away (-1 or 1); requests still
    // select by the gas day itself.
    int dayDateShift = 0;
};

// "min", "hour" or "day".
std::optional<DataArchive> ParseDataArchive(std::string_view text);
// "ARCHIVE/SOURCE/WHEN": SOURCE run1, run2 or moisture; WHEN "YY-MM-DD HH:MM" (the record's
// slot; for days "YY-MM-DD" does) or "*N" (every N-th slot).
std::optional<RecordSelector> ParseRecordSelector(std::string_view text);
// "SELECTOR=BYTE", the byte decimal or 0x-hexadecimal.
std::optional<RecordStatus> ParseRecordStatus(std::string_view text);

}  // namespace zor06::sim
