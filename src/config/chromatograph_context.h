// What the chromatograph's line editor shows beside table 14: the addresses of the flow computers
// a run may take its gas temperature from, and the names of the runs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tables/table_service.h"

namespace zor06::config {

struct ChromatographContext {
    std::vector<std::uint8_t> flowComputerAddresses;  // none when no flow computer is fitted
    std::array<std::string, 2> runs;
};

// Table 9 field 0 and table 18 when table 6 says flow computers are fitted, then the run names
// (table 5), turned to code page 1251 when the controller keeps them in 866.
std::optional<ChromatographContext> ReadChromatographContext(tables::TableContext& ctx);

}  // namespace zor06::config
