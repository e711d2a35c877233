// The controller's lower and upper warning setpoints of the gas parameters (tables 23 and 24),
// and the lines a chart draws for them in the units the view shows its columns in.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "gasdata/data_view.h"
#include "gasdata/records.h"
#include "settings/settings_types.h"
#include "tables/table_service.h"

namespace zor06::gasdata {

// By gas parameter, in the controller's units.
struct WarningSetpoints {
    std::array<float, kChrParameters> lower{};
    std::array<float, kChrParameters> upper{};
};

// The setpoints as the image holds them; the caller has read both tables into it.
WarningSetpoints WarningSetpointsOf(const tables::ControllerImage& image);

// Reads both tables silently (a chart reads them each time it opens, to show what the controller
// holds now); nothing when a read failed.
std::optional<WarningSetpoints> ReadWarningSetpoints(tables::TableContext& ctx);

// The limit kinds of the lower and upper warning setpoints (config::LimitTable gives the table).
inline constexpr int kLowerWarningKind = 1;
inline constexpr int kUpperWarningKind = 2;

struct SetpointLines {
    std::optional<double> lower;
    std::optional<double> upper;
    bool operator==(const SetpointLines&) const = default;
};

// One entry per value column of the view. Columns without a gas parameter's setpoint (the
// moisture views', the unused parameters 15 and 16) get none; so do the components when the view
// shows volume fractions, which the setpoints on mole fractions do not translate to. Heating
// values and Wobbe indices shown in kcal/m3 get their setpoints in kcal/m3.
using ColumnSetpoints = std::vector<SetpointLines>;
ColumnSetpoints ShownSetpoints(const DataView& view, const WarningSetpoints& setpoints,
                               const settings::ReportConfig& config);

}  // namespace zor06::gasdata
