// The pure-component data and physical constants the natural-gas properties are computed with,
// after ISO 6976:2016, for the species the chromatograph reports (its C6+ taken as n-hexane or
// split into n-hexane, n-heptane and n-octane).
#pragma once

#include <array>
#include <optional>

namespace zor06::gasdata::iso6976 {

enum Species : int {
    kMethaneSpecies,
    kEthane,
    kPropane,
    kIsoButane,
    kNormalButane,
    kNeoPentane,
    kIsoPentane,
    kNormalPentane,
    kNormalHexane,
    kNormalHeptane,
    kNormalOctane,
    kNitrogen,
    kCarbonDioxide,
    kSpeciesCount
};

// The reference temperatures, °C, the tables hold columns for.
inline constexpr std::array<double, 4> kCombustionTemperatures{0, 15, 20, 25};
inline constexpr std::array<double, 3> kMeteringTemperatures{0, 15, 20};

struct SpeciesData {
    double molarMass;                 // g/mol
    std::array<double, 4> superior;   // ideal molar superior calorific value, kJ/mol, per t1
    std::array<double, 3> summation;  // summation factor per t2
    int waterFormed;                  // moles of water per mole burnt: half the hydrogen atoms
};

extern const std::array<SpeciesData, kSpeciesCount> kSpeciesData;
// Enthalpy of vaporisation of water, kJ/mol, per t1: superior minus inferior per mole of water.
extern const std::array<double, 4> kWaterVaporisation;
// Compression factor of dry air per t2.
extern const std::array<double, 3> kAirCompressionFactor;
// Shares of n-hexane, n-heptane and n-octane in a split C6+, in per cent.
extern const std::array<double, 3> kHeavySplit;

inline constexpr double kGasConstant = 8.3144621;      // J/(mol·K)
inline constexpr double kAirMolarMass = 28.96546;      // g/mol
inline constexpr double kReferencePressure = 101.325;  // kPa
inline constexpr double kZeroCelsius = 273.15;         // K

// The column of a reference temperature, or none when the tables have no column for it.
std::optional<int> CombustionColumn(double celsius);
std::optional<int> MeteringColumn(double celsius);

}  // namespace zor06::gasdata::iso6976
