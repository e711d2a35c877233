#include "gasdata/iso6976_composition.h"

#include <algorithm>
#include <cmath>

#include "gasdata/display_conversion.h"

namespace zor06::gasdata::iso6976 {

namespace {

// The components in the controller's order, as the refusals name them.
constexpr std::array<const char*, kComponents> kComponentNames{
    "C6+",      "пропан", "i-бутан", "n-бутан",          "нео-пентан", "i-пентан",
    "n-пентан", "азот",   "метан",   "диоксид углерода", "этан"};

// The species each component of the controller's order is, C6+ apart.
constexpr std::array<Species, kComponents> kSpeciesOfComponent{
    kNormalHexane,  kPropane,  kIsoButane,      kNormalButane,  kNeoPentane, kIsoPentane,
    kNormalPentane, kNitrogen, kMethaneSpecies, kCarbonDioxide, kEthane};

constexpr int kHeavyComponent = 0;
// Values within this much of 100 % are taken as summing to it: float rounding, not a fault.
constexpr double kExactSum = 1e-4;

CompositionResult Refused(std::string why) {
    return {std::nullopt, std::move(why)};
}

std::string ComponentText(int component) {
    return std::string("Молярная доля компонента «") + kComponentNames[component] + "»";
}

}  // namespace

Composition CompositionOf(const ChrValues& values) {
    Composition c{};
    std::copy_n(values.v.begin(), kComponents, c.begin());
    return c;
}

CompositionResult SpeciesOf(const Composition& percent, HeavyFraction heavy) {
    double sum = 0;
    for (int i = 0; i < kComponents; ++i) {
        const double v = percent[i];
        if (!std::isfinite(v)) {
            return Refused(ComponentText(i) + " не является числом.");
        }
        if (v < 0) {
            return Refused(ComponentText(i) + " отрицательна: " + FixedText(v, 4) + " %.");
        }
        sum += v;
    }
    if (std::abs(sum - 100) > kSumTolerance) {
        return Refused("Сумма молярных долей " + FixedText(sum, 4) +
                       " % отличается от 100 % более чем на " + FixedText(kSumTolerance, 1) +
                       " %.");
    }
    SpeciesFractions f;
    f.normalised = std::abs(sum - 100) > kExactSum;
    for (int i = 0; i < kComponents; ++i) {
        f.x[kSpeciesOfComponent[i]] += percent[i] / sum;
    }
    if (heavy == HeavyFraction::SplitHexaneHeptaneOctane) {
        const double c6plus = percent[kHeavyComponent] / sum;
        f.x[kNormalHexane] = c6plus * kHeavySplit[0] / 100;
        f.x[kNormalHeptane] = c6plus * kHeavySplit[1] / 100;
        f.x[kNormalOctane] = c6plus * kHeavySplit[2] / 100;
    }
    return {f, {}};
}

}  // namespace zor06::gasdata::iso6976
