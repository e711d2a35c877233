// The bytes of one record of a chromatograph or moisture-meter data archive, made from the gas
// model for its slot.
#pragma once

#include <cstdint>
#include <vector>

#include "zor06-sim/data_faults.h"

namespace zor06::sim {

struct RecordMarks {
    std::uint8_t status = 0;  // state byte of 3-minute records, status byte of the others
    bool badCrc = false;
    bool dayComplete = true;  // daily records: bit 7 of the end hour
    int dayDateShift = 0;     // daily records: days added to the date the record carries
};

// `slot` counts 3-minute slots, hours or gas days (by their date) from 01.01.00 00:00; a gas day
// starts at the contract hour of its date.
std::vector<std::uint8_t> MakeDataRecord(DataArchive archive, DataSource source, std::int64_t slot,
                                         int contractHour, const RecordMarks& marks,
                                         std::uint64_t seed);

}  // namespace zor06::sim
