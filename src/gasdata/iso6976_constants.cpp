#include "gasdata/iso6976_constants.h"

#include <algorithm>
#include <iterator>

namespace zor06::gasdata::iso6976 {

// Molar masses: ISO 6976:2016, Table 1. Superior calorific values at 0, 15, 20 and 25 °C:
// Table 3. Summation factors at 0, 15 and 20 °C: Table 2.
const std::array<SpeciesData, kSpeciesCount> kSpeciesData{{
    {16.04246, {892.92, 891.51, 891.05, 890.58}, {0.04886, 0.04452, 0.04317}, 2},    // methane
    {30.06904, {1564.35, 1562.14, 1561.42, 1560.69}, {0.0997, 0.0919, 0.0895}, 3},   // ethane
    {44.09562, {2224.03, 2221.10, 2220.13, 2219.17}, {0.1465, 0.1344, 0.1308}, 4},   // propane
    {58.1222, {2874.21, 2870.58, 2869.39, 2868.20}, {0.1885, 0.1722, 0.1673}, 5},    // i-butane
    {58.1222, {2883.35, 2879.76, 2878.58, 2877.40}, {0.2022, 0.1840, 0.1785}, 5},    // n-butane
    {72.14878, {3521.75, 3517.44, 3516.02, 3514.61}, {0.2245, 0.2040, 0.1979}, 6},   // neo-pentane
    {72.14878, {3536.01, 3531.68, 3530.25, 3528.83}, {0.2458, 0.2251, 0.2189}, 6},   // i-pentane
    {72.14878, {3542.91, 3538.60, 3537.19, 3535.77}, {0.2586, 0.2361, 0.2295}, 6},   // n-pentane
    {86.17536, {4203.24, 4198.24, 4196.60, 4194.95}, {0.3319, 0.3001, 0.2907}, 7},   // n-hexane
    {100.20194, {4862.88, 4857.18, 4855.31, 4853.43}, {0.4076, 0.3668, 0.3547}, 8},  // n-heptane
    {114.22852, {5522.41, 5516.01, 5513.90, 5511.80}, {0.4845, 0.4346, 0.4198}, 9},  // n-octane
    {28.0134, {0, 0, 0, 0}, {0.0214, 0.0170, 0.0156}, 0},                            // nitrogen
    {44.0095, {0, 0, 0, 0}, {0.0821, 0.0752, 0.0730}, 0},  // carbon dioxide
}};

// ISO 6976:2016, Table 3: the superior calorific value of water itself.
const std::array<double, 4> kWaterVaporisation{45.064, 44.431, 44.222, 44.013};

// ISO 6976:2016, Table 2 (air).
const std::array<double, 3> kAirCompressionFactor{0.999419, 0.999595, 0.999645};

const std::array<double, 3> kHeavySplit{47.466, 35.340, 17.194};

namespace {

template <std::size_t N>
std::optional<int> ColumnOf(const std::array<double, N>& temperatures, double celsius) {
    const auto it = std::find(temperatures.begin(), temperatures.end(), celsius);
    if (it == temperatures.end()) {
        return std::nullopt;
    }
    return static_cast<int>(std::distance(temperatures.begin(), it));
}

}  // namespace

std::optional<int> CombustionColumn(double celsius) {
    return ColumnOf(kCombustionTemperatures, celsius);
}

std::optional<int> MeteringColumn(double celsius) {
    return ColumnOf(kMeteringTemperatures, celsius);
}

}  // namespace zor06::gasdata::iso6976
