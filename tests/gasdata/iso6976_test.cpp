#include "gasdata/iso6976.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zor06::gasdata::iso6976 {
namespace {

// Mole per cent in the controller's order: C6+, propane, i-butane, n-butane, neo-pentane,
// i-pentane, n-pentane, nitrogen, methane, carbon dioxide, ethane.
constexpr Composition kExample1{0, 1.5368, 0, 0, 0, 0, 0, 1.0350, 93.3212, 1.5414, 2.5656};
constexpr Composition kExample3{0.2865, 1.5190, 0.1512,  0.0523, 0.1015, 0.2832,
                                0.2846, 1.0230, 92.2393, 1.5236, 2.5358};

// Rounded to the digits printed, the value is the one printed.
void ExpectPrinted(double value, double printed, double lastDigit, const char* what) {
    EXPECT_LE(std::abs(value - printed), lastDigit / 2) << what << ": " << value;
}

GasProperties Computed(const Composition& percent, ReferenceConditions conditions) {
    const GasPropertiesResult r = ComputeGasProperties(percent, conditions);
    EXPECT_TRUE(r.properties) << r.refusal;
    return r.properties.value_or(GasProperties{});
}

Composition Pure(int component) {
    Composition c{};
    c[component] = 100;
    return c;
}

// ISO 6976:2016, Annex D: the worked examples, every value they print at each condition.
TEST(Iso6976, ReproducesAnnexExample1) {
    const GasProperties p = Computed(kExample1, {15, 15});
    ExpectPrinted(p.molarMass, 17.388430, 1e-6, "M");
    ExpectPrinted(p.compressionFactor, 0.99776224, 1e-8, "Z");
    ExpectPrinted(p.superiorMolar, 906.179959, 1e-6, "molar superior");
    ExpectPrinted(p.superiorMass, 52.113961, 1e-6, "mass superior");
    ExpectPrinted(p.superiorVolume, 38.410611, 1e-6, "volume superior");
    EXPECT_FALSE(p.normalised);
}

TEST(Iso6976, ReproducesAnnexExample3AtBothConditions) {
    struct Row {
        double t1, t2;
        // Superior and inferior per volume, density, relative density, both Wobbe indices.
        std::array<double, 6> printed;
    };
    const Row rows[] = {{15, 15, {39.73351, 35.86811, 0.76462, 0.62391, 50.30318, 45.40954}},
                        {25, 0, {41.89360, 37.85228, 0.80701, 0.62411, 53.02930, 47.91376}}};
    for (const Row& r : rows) {
        const GasProperties p = Computed(kExample3, {r.t1, r.t2});
        const double computed[] = {p.superiorVolume,  p.inferiorVolume, p.density,
                                   p.relativeDensity, p.superiorWobbe,  p.inferiorWobbe};
        for (std::size_t i = 0; i < r.printed.size(); ++i) {
            ExpectPrinted(computed[i], r.printed[i], 1e-5, r.t1 == 15 ? "15/15" : "25/0");
        }
    }
}

TEST(Iso6976, ReadsEachComponentInTheControllersOrder) {
    struct Row {
        int component;
        double molarMass, superior25;
    };
    // ISO 6976:2016, Tables 1 and 3.
    const Row rows[] = {{0, 86.17536, 4194.95}, {1, 44.09562, 2219.17}, {2, 58.1222, 2868.20},
                        {3, 58.1222, 2877.40},  {4, 72.14878, 3514.61}, {5, 72.14878, 3528.83},
                        {6, 72.14878, 3535.77}, {7, 28.0134, 0},        {8, 16.04246, 890.58},
                        {9, 44.0095, 0},        {10, 30.06904, 1560.69}};
    for (const Row& r : rows) {
        const GasProperties p = Computed(Pure(r.component), {25, 20});
        EXPECT_DOUBLE_EQ(p.molarMass, r.molarMass) << r.component;
        EXPECT_DOUBLE_EQ(p.superiorMolar, r.superior25) << r.component;
    }
}

TEST(Iso6976, PureMethaneAtEveryTemperatureColumn) {
    struct Row {
        double t1, t2, superior, vaporisation, summation, airZ;
    };
    const Row rows[] = {{0, 0, 892.92, 45.064, 0.04886, 0.999419},
                        {15, 15, 891.51, 44.431, 0.04452, 0.999595},
                        {20, 20, 891.05, 44.222, 0.04317, 0.999645},
                        {25, 0, 890.58, 44.013, 0.04886, 0.999419}};
    for (const Row& r : rows) {
        const GasProperties p = Computed(Pure(kMethane), {r.t1, r.t2});
        const double z = 1 - r.summation * r.summation;
        EXPECT_DOUBLE_EQ(p.compressionFactor, z) << r.t1;
        EXPECT_DOUBLE_EQ(p.inferiorMolar, r.superior - 2 * r.vaporisation) << r.t1;
        EXPECT_NEAR(p.relativeDensity, 16.04246 / 28.96546 * r.airZ / z, 1e-12) << r.t1;
    }
}

TEST(Iso6976, SplitsTheHeavyFractionIntoHexaneHeptaneAndOctane) {
    Composition c{};
    c[kMethane] = 90;
    c[0] = 10;
    const GasProperties p = Computed(c, {25, 20, HeavyFraction::SplitHexaneHeptaneOctane});
    const double share[] = {0.47466, 0.35340, 0.17194};
    auto mix = [&](double methane, double c6, double c7, double c8) {
        return 0.9 * methane + 0.1 * (share[0] * c6 + share[1] * c7 + share[2] * c8);
    };
    EXPECT_NEAR(p.molarMass, mix(16.04246, 86.17536, 100.20194, 114.22852), 1e-12);
    const double superior = mix(890.58, 4194.95, 4853.43, 5511.80);
    EXPECT_NEAR(p.superiorMolar, superior, 1e-9);
    EXPECT_NEAR(p.inferiorMolar, superior - mix(2, 7, 8, 9) * 44.013, 1e-9);
    const double summation = mix(0.04317, 0.2907, 0.3547, 0.4198);
    EXPECT_NEAR(p.compressionFactor, 1 - summation * summation, 1e-12);
}

TEST(Iso6976, NormalisesWithinHalfAPerCentAndSaysSo) {
    Composition scaled = kExample3;
    for (double& v : scaled) {
        v *= 0.996;
    }
    const GasProperties p = Computed(scaled, {15, 15});
    EXPECT_TRUE(p.normalised);
    EXPECT_NEAR(p.superiorVolume, Computed(kExample3, {15, 15}).superiorVolume, 1e-12);

    ChrValues record;
    record.v[kMethane] = 100;
    const GasPropertiesResult fromRecord = ComputeGasProperties(record, {15, 15});
    ASSERT_TRUE(fromRecord.properties);
    EXPECT_FALSE(fromRecord.properties->normalised);
    EXPECT_DOUBLE_EQ(fromRecord.properties->superiorMolar, 891.51);
}

TEST(Iso6976, RefusesWhatItCannotComputeAndSaysWhy) {
    struct Row {
        const char* why;
        int component;  // -1: none changed
        double value, t1, t2;
        std::vector<std::string> said;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"not a number", 1, nan, 25, 20, {"«пропан»", "не является числом"}},
        {"infinite", 10, inf, 25, 20, {"«этан»", "не является числом"}},
        {"negative", 7, -0.01, 25, 20, {"«азот»", "отрицательна", "-0.0100"}},
        {"sum low", 8, 92.2393 - 0.51, 25, 20, {"Сумма", "99.4900", "0.5"}},
        {"sum high", 8, 92.2393 + 0.51, 25, 20, {"Сумма", "100.5100"}},
        {"combustion temperature", -1, 0, 10, 20, {"Температура сгорания", "10.00", "25 °C"}},
        {"metering temperature", -1, 0, 25, 25, {"Температура измерения объёма", "0, 15, 20"}},
    };
    for (const Row& r : rows) {
        Composition c = kExample3;
        if (r.component >= 0) {
            c[r.component] = r.value;
        }
        const GasPropertiesResult result = ComputeGasProperties(c, {r.t1, r.t2});
        EXPECT_FALSE(result.properties) << r.why;
        for (const std::string& part : r.said) {
            EXPECT_NE(result.refusal.find(part), std::string::npos)
                << r.why << ": " << result.refusal;
        }
    }
}

}  // namespace
}  // namespace zor06::gasdata::iso6976
