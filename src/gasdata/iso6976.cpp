#include "gasdata/iso6976.h"

#include <cmath>

#include "gasdata/display_conversion.h"
#include "gasdata/iso6976_constants.h"

namespace zor06::gasdata::iso6976 {

namespace {

std::string TemperatureRefusal(const char* which, double celsius, const char* allowed) {
    return std::string(which) + " " + FixedText(celsius, 2) + " °C не поддерживается: допустимы " +
           allowed + " °C.";
}

GasProperties PropertiesOf(const SpeciesFractions& f, int t1, int t2) {
    double molarMass = 0;
    double summation = 0;
    double superior = 0;
    double water = 0;
    for (int i = 0; i < kSpeciesCount; ++i) {
        const SpeciesData& s = kSpeciesData[i];
        molarMass += f.x[i] * s.molarMass;
        summation += f.x[i] * s.summation[t2];
        superior += f.x[i] * s.superior[t1];
        water += f.x[i] * s.waterFormed;
    }
    GasProperties p{};
    p.molarMass = molarMass;
    p.compressionFactor = 1 - summation * summation;
    p.superiorMolar = superior;
    p.inferiorMolar = superior - water * kWaterVaporisation[t1];
    // kJ/mol over g/mol is MJ/kg; kJ/mol and g/mol over m3/mol are kJ/m3 and g/m3.
    p.superiorMass = p.superiorMolar / molarMass;
    p.inferiorMass = p.inferiorMolar / molarMass;
    const double idealMolarVolume =
        kGasConstant * (kMeteringTemperatures[t2] + kZeroCelsius) / (kReferencePressure * 1000);
    const double realMolarVolume = p.compressionFactor * idealMolarVolume;
    p.superiorVolume = p.superiorMolar / realMolarVolume / 1000;
    p.inferiorVolume = p.inferiorMolar / realMolarVolume / 1000;
    p.density = molarMass / realMolarVolume / 1000;
    p.relativeDensity = molarMass / kAirMolarMass * kAirCompressionFactor[t2] / p.compressionFactor;
    const double root = std::sqrt(p.relativeDensity);
    p.superiorWobbe = p.superiorVolume / root;
    p.inferiorWobbe = p.inferiorVolume / root;
    p.normalised = f.normalised;
    return p;
}

}  // namespace

GasPropertiesResult ComputeGasProperties(const Composition& percent,
                                         const ReferenceConditions& conditions) {
    const std::optional<int> t1 = CombustionColumn(conditions.combustionCelsius);
    if (!t1) {
        return {std::nullopt, TemperatureRefusal("Температура сгорания",
                                                 conditions.combustionCelsius, "0, 15, 20, 25")};
    }
    const std::optional<int> t2 = MeteringColumn(conditions.meteringCelsius);
    if (!t2) {
        return {std::nullopt, TemperatureRefusal("Температура измерения объёма",
                                                 conditions.meteringCelsius, "0, 15, 20")};
    }
    CompositionResult composition = SpeciesOf(percent, conditions.heavy);
    if (!composition.fractions) {
        return {std::nullopt, std::move(composition.refusal)};
    }
    return {PropertiesOf(*composition.fractions, *t1, *t2), {}};
}

GasPropertiesResult ComputeGasProperties(const ChrValues& values,
                                         const ReferenceConditions& conditions) {
    return ComputeGasProperties(CompositionOf(values), conditions);
}

}  // namespace zor06::gasdata::iso6976
