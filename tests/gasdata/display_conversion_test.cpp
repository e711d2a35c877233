#include "gasdata/display_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace zor06::gasdata {
namespace {

using settings::ReportConfig;

ReportConfig Config(int composition, int thermal, int formula, int methane) {
    ReportConfig c;
    c.composition = composition;
    c.thermalUnit = thermal;
    c.calcFormula = formula;
    c.methaneCorrection = methane;
    return c;
}

// Ten components other than methane that sum to 8.0.
ChrValues EightPercentOthers(float methane) {
    ChrValues p;
    const float others[] = {2.0F, 1.5F, 1.0F, 0.5F, 0.25F, 0.25F, 0.5F, 1.0F, 0, 0.5F, 0.5F};
    std::copy(std::begin(others), std::end(others), p.v.begin());
    p.v[kMethane] = methane;
    return p;
}

// 90 % methane and 10 % ethane: volume shares 89.829 and 9.92 of 99.749.
ChrValues MethaneAndEthane() {
    ChrValues p;
    p.v[kMethane] = 90;
    p.v[10] = 10;
    for (const int i : {11, 12, 13, 17, 18, 19}) {
        p.v[i] = 1;  // as delivered; replaced when computed
    }
    return p;
}

TEST(DisplayConversion, MethaneCorrectionReplacesMethaneByWhatTheOthersLeave) {
    struct Case {
        int correction;
        float methane;
        float others;  // scale of EightPercentOthers: 0 gives all zero
        float shown;
    };
    const Case cases[] = {
        {1, 50.0F, 1, 92.0F},  // whatever the chromatograph delivered
        {1, std::numeric_limits<float>::quiet_NaN(), 1, 92.0F},
        {0, 50.0F, 1, 50.0F},
        {1, 97.0F, 0, 100.0F},  // methane alone
        {1, 0.0F, 0, 0.0F},     // nothing at all stays nothing
    };
    for (const Case& c : cases) {
        ChrValues p = EightPercentOthers(c.methane);
        for (int i = 0; i < kComponents; ++i) {
            p.v[i] = i == kMethane ? p.v[i] : p.v[i] * c.others;
        }
        ConvertForDisplay(p, Config(0, 0, 0, c.correction));
        EXPECT_FLOAT_EQ(p.v[kMethane], c.shown) << c.correction << " " << c.methane;
    }
}

TEST(DisplayConversion, InvalidComponentsBecomeZeroOtherValuesStayAsDelivered) {
    ChrValues p;
    p.v[3] = std::numeric_limits<float>::infinity();
    p.v[16] = std::numeric_limits<float>::quiet_NaN();
    p.v[14] = 0.998F;
    p.v[15] = 99.9F;
    ConvertForDisplay(p, Config(1, 1, 1, 0));
    EXPECT_EQ(p.v[3], 0.0F);
    EXPECT_TRUE(std::isnan(p.v[16]));
    EXPECT_FLOAT_EQ(p.v[14], 0.998F);
    EXPECT_FLOAT_EQ(p.v[15], 99.9F);
}

TEST(DisplayConversion, VolumeFractionsWeighTheComponentsByTheirCompressibility) {
    ChrValues mole = MethaneAndEthane();
    ConvertForDisplay(mole, Config(0, 0, 0, 0));
    EXPECT_FLOAT_EQ(mole.v[kMethane], 90.0F);
    ChrValues volume = MethaneAndEthane();
    ConvertForDisplay(volume, Config(1, 0, 0, 0));
    EXPECT_NEAR(volume.v[kMethane], 90.05504, 1e-4);
    EXPECT_NEAR(volume.v[10], 9.944962, 1e-4);
    EXPECT_FLOAT_EQ(volume.v[11], 1.0F);  // delivered values untouched
}

TEST(DisplayConversion, DeliveredHeatValuesInKcalAreTimes23908) {
    ChrValues p;
    p.v[11] = 38.0F;
    p.v[18] = 34.0F;
    p.v[12] = 0.7F;
    ConvertForDisplay(p, Config(0, 1, 0, 0));
    EXPECT_EQ(ChrNumberText(p.v[11], 4), "9085.0400");
    EXPECT_FLOAT_EQ(p.v[18], 34.0F * 239.08F);
    EXPECT_FLOAT_EQ(p.v[12], 0.7F);  // density has no thermal unit
}

TEST(DisplayConversion, ComputedValuesComeFromTheVolumeFractions) {
    struct Case {
        int composition;
        int thermal;
        double higher, lower, higherWobbe, lowerWobbe;
    };
    // y = 90.05504 % methane, 9.944962 % ethane; d = 0.6034695.
    const Case cases[] = {
        {0, 0, 39.81526, 35.95498, 51.25331, 46.28405},
        {1, 0, 39.81526, 35.95498, 51.25331, 46.28405},
        {0, 1, 9519.033, 8596.116, 12253.64, 11065.59},
    };
    for (const Case& c : cases) {
        ChrValues p = MethaneAndEthane();
        ConvertForDisplay(p, Config(c.composition, c.thermal, 1, 0));
        const double tolerance = 1e-6 * c.higherWobbe;
        EXPECT_NEAR(p.v[11], c.higher, tolerance);
        EXPECT_NEAR(p.v[18], c.lower, tolerance);
        EXPECT_NEAR(p.v[13], c.higherWobbe, tolerance);
        EXPECT_NEAR(p.v[17], c.lowerWobbe, tolerance);
        EXPECT_NEAR(p.v[19], 0.6034695, 1e-6);
        EXPECT_NEAR(p.v[12], 0.6034695 * 1.20445, 1e-6);
        EXPECT_FLOAT_EQ(p.v[kMethane], c.composition == 1 ? 90.05504F : 90.0F);
    }
}

TEST(DisplayConversion, ComputedValuesOfNoGasAreZero) {
    ChrValues p;
    for (const int i : {11, 12, 13, 17, 18, 19}) {
        p.v[i] = 5;
    }
    ConvertForDisplay(p, Config(0, 0, 1, 0));
    for (const int i : {11, 12, 13, 17, 18, 19}) {
        EXPECT_EQ(p.v[i], 0.0F) << i;
    }
}

// The first worked example of ISO 6976:2016's annex in the controller's order: propane 1.5368,
// nitrogen 1.0350, methane 93.3212, carbon dioxide 1.5414, ethane 2.5656.
ChrValues IsoExample1() {
    ChrValues p;
    const float x[] = {0, 1.5368F, 0, 0, 0, 0, 0, 1.0350F, 93.3212F, 1.5414F, 2.5656F};
    std::copy(std::begin(x), std::end(x), p.v.begin());
    return p;
}

TEST(DisplayConversion, Iso6976ValuesComeFromTheMoleFractionsAtTheSettingsConditions) {
    struct Case {
        int composition, thermal, combustion, metering;
        // Hs, D, Ws, Z, Wi, Hi, d: the parameters 11, 12, 13, 14, 17, 18, 19.
        std::array<double, 7> shown;
    };
    constexpr double kKcal = 239.08;
    const Case cases[] = {
        {0,
         0,
         15,
         15,
         {38.410611, 0.737050, 49.529363, 0.99776224, 44.660592, 34.634822, 0.601419}},
        {0,
         0,
         25,
         20,
         {37.711510, 0.724383, 48.629912, 0.99789504, 43.889642, 34.035527, 0.601369}},
        // Shown as volume fractions, computed from the mole fractions all the same.
        {1,
         0,
         25,
         20,
         {37.711510, 0.724383, 48.629912, 0.99789504, 43.889642, 34.035527, 0.601369}},
        {0,
         1,
         25,
         20,
         {37.711510 * kKcal, 0.724383, 48.629912 * kKcal, 0.99789504, 43.889642 * kKcal,
          34.035527 * kKcal, 0.601369}},
    };
    for (const Case& c : cases) {
        ReportConfig config = Config(c.composition, c.thermal, 2, 0);
        config.isoCombustion = c.combustion;
        config.isoMetering = c.metering;
        ChrValues p = IsoExample1();
        ConvertForDisplay(p, config);
        const int parameters[] = {11, 12, 13, 14, 17, 18, 19};
        for (std::size_t i = 0; i < c.shown.size(); ++i) {
            // The values are floats: about seven significant digits.
            EXPECT_NEAR(p.v[parameters[i]], c.shown[i], 2e-7 * c.shown[i] + 1e-6)
                << parameters[i] << " at " << c.combustion << "/" << c.metering;
        }
    }
}

TEST(DisplayConversion, Iso6976RefusesACompositionOffAHundredPerCentWithNotANumber) {
    ChrValues p = IsoExample1();
    p.v[kMethane] = 90;  // the sum is 96.7 %
    ConvertForDisplay(p, Config(0, 0, 2, 0));
    for (const int i : {11, 12, 13, 14, 17, 18, 19}) {
        EXPECT_EQ(ChrNumberText(p.v[i], 4), "     NAN") << i;
    }
    p = IsoExample1();
    p.v[kMethane] = 90;
    ConvertForDisplay(p, Config(0, 0, 2, 1));  // metan_corr makes the sum whole again
    EXPECT_NEAR(p.v[11], 37.711510, 1e-4);
}

TEST(DisplayConversion, HeadingsFollowCompositionAndThermalUnit) {
    const ReportConfig plain = Config(0, 0, 0, 0);
    const ReportConfig volumeKcal = Config(1, 1, 0, 0);
    EXPECT_EQ(ChrParameterHeading(0, plain).lines[0], "Сум. МД");
    EXPECT_EQ(ChrParameterHeading(0, volumeKcal).lines[0], "Сум. ОД");
    EXPECT_EQ(ChrParameterHeading(15, volumeKcal).lines[0], "Сумма ОД");
    EXPECT_EQ(ChrParameterHeading(4, volumeKcal).lines,
              (std::array<std::string, 3>{"ОД", "neo-", "пентана,"}));
    for (const int p : {11, 13, 17, 18}) {
        EXPECT_EQ(ChrParameterHeading(p, plain).unit, "МДж/м3");
        EXPECT_EQ(ChrParameterHeading(p, volumeKcal).unit, "ккал/м3");
    }
    EXPECT_EQ(ChrParameterHeading(12, volumeKcal).unit, "кг/м3");
    EXPECT_EQ(ChrParameterHeading(16, volumeKcal).unit, "°С");
    EXPECT_EQ(ChrParameterHeading(16, volumeKcal).lines[0], "Темпера-");
}

TEST(DisplayConversion, NumberTextIsFixedAndShortTextsAreRightAlignedToEight) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {1.5, 4, "  1.5000"},
        {92.0, 4, " 92.0000"},
        {123.0, 4, "123.0000"},
        {12345.678, 2, "12345.68"},
        {2.7, 0, "       3"},
        {-12.346, 2, "  -12.35"},
        {0.7, -3, "       1"},
        {0.25, 40, "0.250000000000000"},
        {std::numeric_limits<double>::quiet_NaN(), 4, "     NAN"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChrNumberText(c.value, c.decimals), c.text) << c.value;
    }
    EXPECT_EQ(AlignedCell("1.5000\""), " 1.5000\"");
}

TEST(DisplayConversion, DecimalsComeFromTheSettingWithinLimits) {
    ReportConfig c;
    c.decimals[12] = 2;
    c.decimals[0] = -1;
    c.decimals[1] = 99;
    EXPECT_EQ(ChrDecimals(12, c), 2);
    EXPECT_EQ(ChrDecimals(0, c), 0);
    EXPECT_EQ(ChrDecimals(1, c), 15);
    EXPECT_EQ(ChrDecimals(19, c), 4);
}

}  // namespace
}  // namespace zor06::gasdata
