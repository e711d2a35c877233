// The chromatograph's and the moisture meter's data archives: 3-minute, hourly and daily rings of
// both runs and of the moisture meter, made up on request from the controller's clock rather than
// stored, and the answers to the requests of functions 14, 15 and 16.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "tables/controller_date.h"
#include "zor06-sim/data_faults.h"

namespace zor06::sim {

// What the archives are made from: the controller's local time and the contract hour (table 6
// field 6), at which a gas day begins.
struct ArchiveClock {
    bytes::ControllerDateTime now{};
    int contractHour = 0;
};

class DataArchives {
public:
    explicit DataArchives(const DataArchiveConfig& config);

    std::uint64_t Seed() const { return config_.seed; }

    // Without a start of their own, the archives began five years before `clock`, at its contract
    // hour: their rings are full.
    void StartBefore(const ArchiveClock& clock);

    // Table 27: the date of the first record ever taken into the 3-minute, hourly and daily
    // archive, which the ring may since have overwritten; for the daily one bit 7 of byte 5 says
    // the archive began before the contract hour of that date, so that its first (incomplete) gas
    // day is the day before. An empty archive: 01.01.01 00:00:00.
    std::array<bytes::ControllerDateTime, kDataArchives> FirstRecords(
        const ArchiveClock& clock) const;

    // The reply data (record count, then the records) to the request data of function 14, 15
    // or 16; nothing when the request is malformed or names a run not in use (`runs`: bit 0 run
    // 1, bit 1 run 2).
    std::optional<std::vector<std::uint8_t>> Answer(std::uint8_t code,
                                                    std::span<const std::uint8_t> data,
                                                    const ArchiveClock& clock, std::uint8_t runs);

private:
    // Slots held, from the oldest to the newest; none when first > newest.
    struct Ring {
        std::int64_t first;
        std::int64_t newest;
        std::int64_t ringStart;  // the oldest slot a full ring would hold
    };

    Ring RingOf(DataArchive archive, const ArchiveClock& clock) const;
    std::optional<std::int64_t> StartSlot(DataArchive archive, int contractHour) const;
    bool Missing(DataArchive archive, DataSource source, std::int64_t slot) const;
    std::vector<std::uint8_t> Record(DataArchive archive, DataSource source, std::int64_t slot,
                                     int contractHour) const;

    DataArchiveConfig config_;
    // The last reply to each archive of each source, for repeating it.
    std::array<std::optional<std::vector<std::uint8_t>>, kDataArchives * kDataSources> lastReply_;
};

}  // namespace zor06::sim
