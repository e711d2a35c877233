#include "gasdata/chr_momentary.h"

#include <gtest/gtest.h>

#include <limits>

namespace zor06::gasdata {
namespace {

using settings::ReportConfig;

ReportConfig Config(int composition, int thermal, int formula = 0) {
    ReportConfig c;
    c.composition = composition;
    c.thermalUnit = thermal;
    c.calcFormula = formula;
    return c;
}

// Table 30/38 fields 0..21: the date and time of the analysis, then the values.
std::array<std::uint8_t, kChrMomentaryBytes> MomentaryFields(const ChrValues& values) {
    std::array<std::uint8_t, kChrMomentaryBytes> f{26, 12, 9, 0xEE, 7, 5, 3, 0xEE};
    values.Encode(std::span(f).subspan<8, ChrValues::kSize>());
    return f;
}

TEST(ChrMomentary, EachRunHasItsOwnValueAndZoneTables) {
    EXPECT_EQ(ChrMomentaryTable(0), 30);
    EXPECT_EQ(ChrZoneTable(0), 32);
    EXPECT_EQ(ChrMomentaryTable(1), 38);
    EXPECT_EQ(ChrZoneTable(1), 39);
}

TEST(ChrMomentary, ZoneCodesHaveTheirTextsAndColours) {
    struct Case {
        std::uint8_t code;
        const char* text;
        Rgb colour;
    };
    const Case cases[] = {
        {0, " Норма", {0, 0, 0}},
        {1, " Нижняя предупредительная зона", {114, 56, 56}},
        {2, " Верхняя предупредительная зона", {114, 56, 56}},
        {3, " Нижняя аварийная зона", {255, 0, 0}},
        {4, " Верхняя аварийная зона", {255, 0, 0}},
        {5, "?", {0, 128, 0}},
        {7, "?", {0, 128, 0}},
        {255, "?", {0, 128, 0}},
    };
    for (const Case& c : cases) {
        const GasZone zone = ZoneOf(c.code);
        EXPECT_EQ(zone.text, c.text) << int(c.code);
        EXPECT_EQ(zone.colour, c.colour) << int(c.code);
    }
}

TEST(ChrMomentary, SumAndTemperatureNeverShowAZone) {
    std::array<std::uint8_t, kChrZoneBytes> codes{};
    codes.fill(7);
    codes[3] = 4;
    const ChrZones zones = ChrZonesOf(codes);
    for (int i = 0; i < kChrParameters; ++i) {
        EXPECT_EQ(zones[static_cast<std::size_t>(i)].has_value(), i != 15 && i != 16) << i;
    }
    EXPECT_EQ(zones[3]->text, " Верхняя аварийная зона");
    EXPECT_EQ(zones[0]->text, "?");
}

TEST(ChrMomentary, NamesFollowTheCompositionAndTheThermalUnit) {
    struct Case {
        int composition;
        int thermal;
        int parameter;
        const char* name;
    };
    const Case cases[] = {
        {1, 1, 11, " Теплота сгорания высшая, ккал/м3"},
        {0, 0, 11, " Теплота сгорания высшая, МДж/м3"},
        {0, 1, 17, " Число Воббе низшее, ккал/м3"},
        {0, 0, 0, " Суммарная молярная доля гексана и б.т.с., %"},
        {1, 0, 0, " Суммарная объемная доля гексана и б.т.с., %"},
        {1, 0, 6, " Объемная доля  н-пентана (n-C5H12), %"},
        {0, 0, 12, " Абсолютная  плотность°, кг/м3"},
        {1, 0, 12, " Абсолютная  плотность, кг/м3"},
        {1, 0, 15, " Сумма объемных долей всех компонентов, %"},
        {0, 0, 14, " Фактор сжимаемости,  "},
        {0, 0, 16, " Температура газа, °С"},
    };
    for (const Case& c : cases) {
        const ChrMomentaryFrame frame =
            ChrMomentaryFrameOf(1, "", Config(c.composition, c.thermal));
        EXPECT_EQ(frame.names[static_cast<std::size_t>(c.parameter)], c.name) << c.parameter;
    }
}

TEST(ChrMomentary, CaptionAndFormulaLabel) {
    const ChrMomentaryFrame gost = ChrMomentaryFrameOf(6123, "Нитка 2", Config(0, 0, 1));
    EXPECT_EQ(gost.caption,
              "Мгновенные данные хроматографа (сер. № 6123; нитка \"Нитка 2\"), зоны параметров "
              "газа");
    EXPECT_EQ(gost.formulaLabel, "Расчет по ГОСТ");
    EXPECT_EQ(ChrMomentaryFrameOf(0, "", Config(0, 0, 0)).formulaLabel, "Расчет по ДСТУ ИСО");
    EXPECT_EQ(ChrMomentaryFrameOf(0, "", Config(0, 0, 2)).formulaLabel, "Расчет по ISO 6976:2016");
}

TEST(ChrMomentary, ValuesAreConvertedWithTheirDecimalsAndNoValueShowsNanAsInTheViews) {
    ChrValues p;
    p.v[kMethane] = 90;
    p.v[11] = 38.0F;
    p.v[16] = std::numeric_limits<float>::quiet_NaN();
    p.v[14] = std::numeric_limits<float>::infinity();
    p.v[1] = std::numeric_limits<float>::quiet_NaN();  // a component: shown as 0
    ReportConfig config = Config(0, 1);
    config.decimals[11] = 1;
    config.decimals[kMethane] = 2;
    const ChrMomentaryValues shown = ChrMomentaryValuesOf(MomentaryFields(p), config);
    EXPECT_EQ(shown.time, "09.12.26 07:05:03");
    EXPECT_EQ(shown.values[11], "9085.0");
    EXPECT_EQ(shown.values[kMethane], "90.00");
    EXPECT_EQ(shown.values[1], "0.0000");
    EXPECT_EQ(shown.values[16], "NAN");
    EXPECT_EQ(shown.values[14], "NAN");
}

TEST(ChrMomentary, LegendFollowsTheCompositionInItsParameterLinesOnly) {
    const auto mole = LegendLines(Config(0, 0));
    const auto volume = LegendLines(Config(1, 0));
    EXPECT_EQ(mole[1], " PV2  - Молярная доля пропана (C3H8)");
    EXPECT_EQ(volume[1], " PV2  - Объемная доля пропана (C3H8)");
    EXPECT_EQ(volume[0], " PV1  - Суммарная объемная доля гексана и б.т.с.");
    EXPECT_EQ(volume[15], " PV16 - Сумма объемных долей всех компонентов");
    EXPECT_EQ(volume[17], " PV18 - Объемная доля кислорода (О2)");
    EXPECT_EQ(volume[12], " PV13 - Хроматографическая  плотность при 20°");
    EXPECT_EQ(volume[29], " МД   - Молярная доля");
    EXPECT_EQ(mole[36], " с.у. - Стандартные условия");
    for (std::size_t i = 20; i < mole.size(); ++i) {
        EXPECT_EQ(volume[i], mole[i]) << i;
    }
}

}  // namespace
}  // namespace zor06::gasdata
