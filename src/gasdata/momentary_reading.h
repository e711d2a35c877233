// Reading the devices' momentary values from the controller: each read returns what one refresh
// of its window shows, or nothing when the read failed. `show` as in tables::ReadFields: a window
// that refreshes itself reads silently.
#pragma once

#include <cstdint>
#include <optional>

#include "gasdata/chr_momentary.h"
#include "gasdata/wmt_momentary.h"
#include "settings/settings_types.h"
#include "tables/table_service.h"

namespace zor06::gasdata {

std::optional<WmtMomentary> ReadWmtMomentary(tables::TableContext& ctx, bool show);

// The chromatograph's values and zones of run 0 or 1.
std::optional<ChrMomentaryValues> ReadChrMomentaryValues(tables::TableContext& ctx, int run,
                                                         const settings::ReportConfig& config,
                                                         bool show);
std::optional<ChrZones> ReadChrZones(tables::TableContext& ctx, int run, bool show);

// The additional-parameters window: the chromatograph's serial number and the controller's
// software checksum.
struct ExtraParameters {
    std::uint32_t serial = 0;
    std::uint32_t softwareChecksum = 0;
};
std::optional<ExtraParameters> ReadExtraParameters(tables::TableContext& ctx);

}  // namespace zor06::gasdata
