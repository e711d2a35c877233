#include "zor06-sim/gas_model.h"

#include <cmath>
#include <numbers>

namespace zor06::sim {
namespace {

// Per component in parameter order 0..10: mole percent of the typical gas, superior and
// inferior calorific value of the ideal gas MJ/m³ and molar mass g/mol (20 °C, 101.325 kPa),
// summation factor of the compressibility.
struct Component {
    double percent;
    double superior;
    double inferior;
    double molarMass;
    double summation;
};

constexpr std::array<Component, gasdata::kComponents> kComponents{{
    {0.05, 174.4, 161.4, 86.18, 0.3087},   // C6+
    {1.0, 92.29, 84.94, 44.10, 0.1288},    // propane
    {0.15, 119.34, 110.2, 58.12, 0.169},   // i-butane
    {0.16, 119.77, 110.6, 58.12, 0.1783},  // n-butane
    {0.003, 146.0, 135.0, 72.15, 0.2},     // neo-pentane
    {0.04, 146.7, 135.4, 72.15, 0.2345},   // i-pentane
    {0.03, 147.0, 135.8, 72.15, 0.2525},   // n-pentane
    {1.2, 0.0, 0.0, 28.01, 0.0170},        // nitrogen
    {0.0, 37.04, 33.36, 16.04, 0.0436},    // methane: the rest
    {0.4, 0.0, 0.0, 44.01, 0.0728},        // carbon dioxide
    {3.0, 64.91, 59.39, 30.07, 0.0894},    // ethane
}};

constexpr double kAirDensity = 1.2046;           // kg/m³ at 20 °C, 101.325 kPa
constexpr double kMolarVolumeFactor = 0.041575;  // p / (R T) at 20 °C, 101.325 kPa, kmol/m³

// Value indices of the properties after the components.
enum : int {
    kSuperior = 11,
    kDensity = 12,
    kSuperiorWobbe = 13,
    kCompressibility = 14,
    kComponentSum = 15,
    kTemperature = 16,
    kInferiorWobbe = 17,
    kInferior = 18,
    kRelativeDensity = 19,
};

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// A slow wave in -1..1 of its own for each key: daily, weekly and monthly swings with phases from
// the seed.
double Drift(WallTime at, std::uint64_t seed, std::uint64_t key) {
    constexpr double kPeriodsS[] = {86400.0, 7 * 86400.0, 31 * 86400.0};
    constexpr double kWeights[] = {0.3, 0.4, 0.3};
    double sum = 0.0;
    for (std::uint64_t i = 0; i < std::size(kPeriodsS); ++i) {
        const std::uint64_t h = Mix(seed ^ Mix(key * 8 + i));
        const double phase = static_cast<double>(h >> 11) * 0x1.0p-53 * 2.0 * std::numbers::pi;
        sum += kWeights[i] *
               std::sin(2.0 * std::numbers::pi * static_cast<double>(at) / kPeriodsS[i] + phase);
    }
    return sum;
}

constexpr std::uint64_t kMoistureKey = 1000;

}  // namespace

gasdata::ChrValues GasAt(WallTime at, int run, std::uint64_t seed) {
    const auto key = [run](int parameter) {
        return static_cast<std::uint64_t>(run) * 100 + static_cast<std::uint64_t>(parameter);
    };
    std::array<double, gasdata::kComponents> x{};
    double others = 0.0;
    for (int i = 0; i < gasdata::kComponents; ++i) {
        if (i != gasdata::kMethane) {
            x[i] = kComponents[i].percent * (1.0 + 0.12 * Drift(at, seed, key(i)));
            others += x[i];
        }
    }
    x[gasdata::kMethane] = 100.0 - others;

    double superior = 0.0;
    double inferior = 0.0;
    double molarMass = 0.0;
    double summation = 0.0;
    for (int i = 0; i < gasdata::kComponents; ++i) {
        const double fraction = x[i] / 100.0;
        superior += fraction * kComponents[i].superior;
        inferior += fraction * kComponents[i].inferior;
        molarMass += fraction * kComponents[i].molarMass;
        summation += fraction * kComponents[i].summation;
    }
    const double z = 1.0 - summation * summation;
    const double density = molarMass * kMolarVolumeFactor / z;
    const double relative = density / kAirDensity;

    gasdata::ChrValues values;
    for (int i = 0; i < gasdata::kComponents; ++i) {
        values.v[i] = static_cast<float>(x[i]);
    }
    values.v[kSuperior] = static_cast<float>(superior / z);
    values.v[kInferior] = static_cast<float>(inferior / z);
    values.v[kDensity] = static_cast<float>(density);
    values.v[kRelativeDensity] = static_cast<float>(relative);
    values.v[kSuperiorWobbe] = static_cast<float>(superior / z / std::sqrt(relative));
    values.v[kInferiorWobbe] = static_cast<float>(inferior / z / std::sqrt(relative));
    values.v[kCompressibility] = static_cast<float>(z);
    // The analyser's unnormalised total.
    values.v[kComponentSum] =
        static_cast<float>(100.0 + 0.04 * Drift(at, seed, key(kComponentSum)));
    values.v[kTemperature] = static_cast<float>(10.0 + 4.0 * Drift(at, seed, key(kTemperature)));
    return values;
}

std::array<float, kMoistureMomentaryValues> MoistureAt(WallTime at, std::uint64_t seed) {
    const double waterDewPoint = -15.0 + 2.0 * Drift(at, seed, kMoistureKey);
    const double hydrocarbonDewPoint = -10.0 + 1.5 * Drift(at, seed, kMoistureKey + 1);
    const double pressure = 40.0 + 1.5 * Drift(at, seed, kMoistureKey + 2);
    return {static_cast<float>(waterDewPoint), static_cast<float>(hydrocarbonDewPoint),
            static_cast<float>(pressure), static_cast<float>(waterDewPoint + 3.0),
            static_cast<float>(pressure - 0.3)};
}

}  // namespace zor06::sim
