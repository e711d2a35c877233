// The controller's current state as the status tables show it: the functions it can carry out,
// the abnormal-situation signs and the links to the devices it polls.
#pragma once

#include <cstdint>
#include <vector>

#include "zor06-sim/table_image.h"

namespace zor06::sim {

struct StatusState {
    // Table 9 field 0. More than the sixteen the tables hold is allowed, to try readers with it.
    std::uint8_t flowComputers = 1;
    std::vector<std::uint8_t> flowComputersOffline;  // 1-based; no link, nothing written
    bool moistureMeter = false;                      // table 6 field 8
    std::uint8_t chromatographError = 0;             // table 16 field 7
    std::uint8_t moistureError = 0;                  // table 16 field 8
    bool flowExchangeFault = false;                  // table 16 field 6
    bool selfDiagnosticsFault = false;               // table 16 field 9
    std::uint8_t abnormalRuns = 0;                   // bit 0 run 1, bit 1 run 2
    bool chromatographLink = true;                   // table 33 field 0
    bool moistureLink = true;                        // table 33 field 1
    std::uint8_t functions = 3;  // table 8: bit 0 summer/winter time, bit 1 flow computers
};

// Tables 6 (fields 8, 9), 8, 9 (field 0), 16 (fields 6..11), 18, 33, 34 and 35. The date of the
// last change of the signs (table 16 fields 0..5) is the controller's to set.
void FillStatusTables(const StatusState& state, TableImage* image);

}  // namespace zor06::sim
