#include "gasdata/chart_setpoints.h"

#include <algorithm>

#include "config/distribution_editors.h"
#include "config/limits_editor.h"
#include "gasdata/display_conversion.h"

namespace zor06::gasdata {
namespace {

bool Thermal(int parameter) {
    return std::find(kThermalParameters.begin(), kThermalParameters.end(), parameter) !=
           kThermalParameters.end();
}

std::optional<double> Line(float setpoint, double factor) {
    if (IsInvalidValue(setpoint)) {
        return std::nullopt;
    }
    return setpoint * factor;
}

}  // namespace

WarningSetpoints WarningSetpointsOf(const tables::ControllerImage& image) {
    WarningSetpoints s;
    for (int p = 0; p < kChrParameters; ++p) {
        const auto i = static_cast<std::size_t>(p);
        s.lower[i] = image.Float(config::LimitTable(kLowerWarningKind), p);
        s.upper[i] = image.Float(config::LimitTable(kUpperWarningKind), p);
    }
    return s;
}

std::optional<WarningSetpoints> ReadWarningSetpoints(tables::TableContext& ctx) {
    for (const int kind : {kLowerWarningKind, kUpperWarningKind}) {
        const auto table = static_cast<std::uint8_t>(config::LimitTable(kind));
        if (!tables::ReadFields(ctx, {table, 0, config::kGasParameterCount}, false)) {
            return std::nullopt;
        }
    }
    return WarningSetpointsOf(ctx.image);
}

ColumnSetpoints ShownSetpoints(const DataView& view, const WarningSetpoints& setpoints,
                               const settings::ReportConfig& config) {
    ColumnSetpoints lines(view.valueHeadings.size());
    if (!IsChromatograph(view.kind)) {
        return lines;
    }
    for (std::size_t c = 0; c < lines.size() && c < view.valueParameters.size(); ++c) {
        const int p = view.valueParameters[c];
        if (p < 0 || p >= kChrParameters || !config::GasParameterUsed(p) ||
            (config.composition == 1 && p < kComponents)) {
            continue;
        }
        const double factor = config.thermalUnit == 1 && Thermal(p) ? kKcalPerMj : 1.0;
        const auto i = static_cast<std::size_t>(p);
        lines[c] = {Line(setpoints.lower[i], factor), Line(setpoints.upper[i], factor)};
    }
    return lines;
}

}  // namespace zor06::gasdata
