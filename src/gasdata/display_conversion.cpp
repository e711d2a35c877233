#include "gasdata/display_conversion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>
#include <system_error>

#include "gasdata/calculation_method.h"
#include "tables/gas_parameters.h"

namespace zor06::gasdata {
namespace {

constexpr ComponentConstants Row(double z, double higher, double lower, double relDensity,
                                 double molarMass, double last) {
    return {z, higher, higher * kKcalPerMj, lower, lower * kKcalPerMj, relDensity, molarMass, last};
}

constexpr int kSum = 15;
constexpr int kCompressibility = 14;
constexpr int kTemperature = 16;
constexpr int kHigherHeat = 11;
constexpr int kLowerHeat = 18;
constexpr int kHigherWobbe = 13;
constexpr int kLowerWobbe = 17;
constexpr int kDensity = 12;
constexpr int kRelativeDensity = 19;

using Components = std::array<double, kComponents>;

// The components as delivered, an unreadable one as 0; with the methane correction methane is
// what the others leave of 100 %.
Components DeliveredComponents(ChrValues& p, const settings::ReportConfig& config) {
    Components x{};
    for (int i = 0; i < kComponents; ++i) {
        if (IsInvalidValue(p.v[i])) {
            p.v[i] = 0.0F;
        }
        x[i] = p.v[i];
    }
    if (config.methaneCorrection == 1) {
        double others = 0;
        for (int i = 0; i < kComponents; ++i) {
            others += i == kMethane ? 0.0 : x[i];
        }
        if (others != 0 || x[kMethane] != 0) {
            x[kMethane] = 100 - others;
        }
    }
    return x;
}

Components VolumeFractions(const Components& x) {
    double total = 0;
    for (int i = 0; i < kComponents; ++i) {
        total += x[i] * kComponentTable[i].z;
    }
    Components y{};
    if (total != 0) {
        for (int i = 0; i < kComponents; ++i) {
            y[i] = x[i] * kComponentTable[i].z / total * 100;
        }
    }
    return y;
}

void DeliveredHeatValues(const ChrValues& p, bool kcal, ChrValues& out) {
    const double factor = kcal ? kKcalPerMj : 1.0;
    for (const int i : kThermalParameters) {
        out.v[i] = static_cast<float>(p.v[i] * factor);
    }
    out.v[kDensity] = p.v[kDensity];
    out.v[kRelativeDensity] = p.v[kRelativeDensity];
}

void ComputedHeatValues(const Components& y, bool kcal, ChrValues& out) {
    double higher = 0;
    double lower = 0;
    double relDensity = 0;
    for (int i = 0; i < kComponents; ++i) {
        const ComponentConstants& c = kComponentTable[i];
        higher += y[i] * (kcal ? c.higherKcal : c.higherMj);
        lower += y[i] * (kcal ? c.lowerKcal : c.lowerMj);
        relDensity += y[i] * c.relativeDensity;
    }
    higher *= 0.01;
    lower *= 0.01;
    relDensity *= 0.01;
    const double root = std::sqrt(relDensity);
    out.v[kHigherHeat] = static_cast<float>(higher);
    out.v[kLowerHeat] = static_cast<float>(lower);
    out.v[kRelativeDensity] = static_cast<float>(relDensity);
    out.v[kDensity] = static_cast<float>(relDensity * kAirDensity);
    out.v[kHigherWobbe] = relDensity == 0 ? 0.0F : static_cast<float>(higher / root);
    out.v[kLowerWobbe] = relDensity == 0 ? 0.0F : static_cast<float>(lower / root);
}

// After ISO 6976:2016 from the mole fractions `x`: the real-gas values at the settings'
// conditions; a composition it refuses shows its values as not numbers.
void IsoHeatValues(const Components& x, const settings::ReportConfig& config, bool kcal,
                   ChrValues& out) {
    const iso6976::GasPropertiesResult result =
        iso6976::ComputeGasProperties(x, IsoConditionsOf(config));
    const auto show = [&out](int parameter, double value) {
        out.v[parameter] = static_cast<float>(value);
    };
    if (!result.properties) {
        for (const int i : {kHigherHeat, kLowerHeat, kHigherWobbe, kLowerWobbe, kDensity,
                            kRelativeDensity, kCompressibility}) {
            show(i, std::numeric_limits<double>::quiet_NaN());
        }
        return;
    }
    const iso6976::GasProperties& g = *result.properties;
    const double factor = kcal ? kKcalPerMj : 1.0;
    show(kHigherHeat, g.superiorVolume * factor);
    show(kLowerHeat, g.inferiorVolume * factor);
    show(kHigherWobbe, g.superiorWobbe * factor);
    show(kLowerWobbe, g.inferiorWobbe * factor);
    show(kDensity, g.density);
    show(kRelativeDensity, g.relativeDensity);
    show(kCompressibility, g.compressionFactor);
}

constexpr std::string_view kMoleFraction = "МД";
constexpr std::string_view kVolumeFraction = "ОД";
constexpr std::string_view kMjUnit = "МДж/м3";
constexpr std::string_view kKcalUnit = "ккал/м3";

// A double holds about 15 significant digits; a wilder setting must not make a cell pages long.

}  // namespace

const std::array<ComponentConstants, kComponents> kComponentTable{{
    Row(0.919, 174.46, 161.59, 2.976, 86.177, 0.3),    // C6+
    Row(0.9834, 92.29, 84.94, 1.549, 44.097, 0.2),     // propane
    Row(0.971, 119.28, 110.09, 2.068, 58.123, 0.3),    // i-butane
    Row(0.9682, 119.66, 110.47, 2.071, 58.123, 0.3),   // n-butane
    Row(0.945, 146.16, 135.13, 2.637, 72.15, 0.3),     // neo-pentane
    Row(0.953, 146.76, 135.72, 2.637, 72.15, 0.3),     // i-pentane
    Row(0.945, 147.04, 136.01, 2.637, 72.15, 0.3),     // n-pentane
    Row(0.9997, 0, 0, 0.967, 28.0135, 0.3),            // nitrogen
    Row(0.9981, 37.044, 33.367, 0.5546, 16.043, 0.1),  // methane
    Row(0.9947, 0, 0, 1.528, 44.01, 0.3),              // carbon dioxide
    Row(0.992, 64.91, 59.39, 1.046, 30.07, 0.1),       // ethane
}};

void ConvertForDisplay(ChrValues& p, const settings::ReportConfig& config) {
    ChrValues out = p;
    const Components x = DeliveredComponents(p, config);
    const Components y = VolumeFractions(x);
    const Components& shown = config.composition == 1 ? y : x;
    for (int i = 0; i < kComponents; ++i) {
        out.v[i] = static_cast<float>(shown[i]);
    }
    out.v[kSum] = p.v[kSum];
    out.v[kCompressibility] = p.v[kCompressibility];
    out.v[kTemperature] = p.v[kTemperature];
    const bool kcal = config.thermalUnit == 1;
    if (config.calcFormula == 1) {
        ComputedHeatValues(y, kcal, out);
    } else if (config.calcFormula == 2) {
        IsoHeatValues(x, config, kcal, out);
    } else {
        DeliveredHeatValues(p, kcal, out);
    }
    p = out;
}

ColumnHeading ChrParameterHeading(int parameter, const settings::ReportConfig& config) {
    if (parameter < 0 || parameter >= kChrParameters) {
        return {};
    }
    const tables::GasParameter& row = tables::kGasParameters[static_cast<std::size_t>(parameter)];
    ColumnHeading heading{{row.heading[0], row.heading[1], row.heading[2]}, row.unit};
    std::string& first = heading.lines[0];
    if (config.composition == 1 && first.ends_with(kMoleFraction)) {
        first.replace(first.size() - kMoleFraction.size(), kMoleFraction.size(), kVolumeFraction);
    }
    if (config.thermalUnit == 1 && heading.unit == kMjUnit) {
        heading.unit = kKcalUnit;
    }
    return heading;
}

int ChrDecimals(int parameter, const settings::ReportConfig& config) {
    if (parameter < 0 || parameter >= kChrParameters) {
        return 0;
    }
    return std::clamp(config.decimals[static_cast<std::size_t>(parameter)], 0,
                      settings::kMaxDecimals);
}

std::string FixedText(double value, int decimals) {
    if (!std::isfinite(value)) {
        return "NAN";
    }
    // The 309 digits of the largest double, a sign, the point and the decimals.
    std::array<char, 330> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                      std::clamp(decimals, 0, settings::kMaxDecimals));
    if (result.ec != std::errc{}) {
        return "NAN";
    }
    return {buffer.data(), result.ptr};
}

std::string AlignedCell(std::string text) {
    constexpr std::size_t kWidth = 8;
    if (text.size() < kWidth) {
        text.insert(0, kWidth - text.size(), ' ');
    }
    return text;
}

std::string ChrNumberText(double value, int decimals) {
    return AlignedCell(FixedText(value, decimals));
}

}  // namespace zor06::gasdata
