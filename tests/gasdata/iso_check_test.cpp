#include "gasdata/iso_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "data_set_builders.h"
#include "gasdata/calculation_method.h"
#include "gasdata/data_view_model.h"
#include "gasdata/display_conversion.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

using testing::Add;
using testing::EmptySet;

constexpr int kSuperior = 11;
constexpr int kDensity = 12;
constexpr int kRelativeDensity = 19;
constexpr std::size_t kSuperiorCell = 0;  // then computed, difference; density from 3, ...
constexpr std::size_t kDensityCell = 3;
constexpr std::size_t kRelativeCell = 6;

// Methane 93.3212, ethane 2.5656, propane 1.5368, nitrogen 1.0350, carbon dioxide 1.5414.
ChrValues Composition(float methaneShift = 0) {
    ChrValues p;
    p.v[1] = 1.5368F;
    p.v[7] = 1.0350F;
    p.v[kMethane] = 93.3212F + methaneShift;
    p.v[9] = 1.5414F;
    p.v[10] = 2.5656F;
    p.v[15] = 100.0F;
    return p;
}

// Straight from the calculation, not through the view's conversion.
iso6976::GasProperties Expected(const ChrValues& p, const settings::ReportConfig& config) {
    return *iso6976::ComputeGasProperties(p, IsoConditionsOf(config)).properties;
}

// A record whose delivered values lie `off` per cent from the computed ones (MJ/m3 delivered).
ChrHdRecord Record(const settings::ReportConfig& config, double superiorOff, double densityOff,
                   double relativeOff, std::uint8_t status = 0) {
    ChrHdRecord r;
    r.date = {24, 3, 1};
    r.start = {10, 0, 0};
    r.end = {11, 0, 0};
    r.status = status;
    r.values = Composition();
    const iso6976::GasProperties g = Expected(r.values, config);
    const auto off = [](double value, double percent) {
        return static_cast<float>(value * (1 + percent / 100));
    };
    r.values.v[kSuperior] = off(g.superiorVolume, superiorOff);
    r.values.v[kDensity] = off(g.density, densityOff);
    r.values.v[kRelativeDensity] = off(g.relativeDensity, relativeOff);
    return r;
}

DataView CheckedView(DataKind kind, const std::vector<ChrHdRecord>& records,
                     const settings::ReportConfig& config) {
    DataSet set = EmptySet(kind);
    for (const ChrHdRecord& r : records) {
        Add(set, r);
    }
    DataView view = BuildDataView(set, config);
    AddIsoCheck(view, set, config);
    return view;
}

std::string Trimmed(const CheckCell& cell) {
    return std::string(text::TrimBlanks(cell.text));
}

TEST(IsoCheck, DifferencesAreShownWithThreeDecimalsAndMarkedBeyondTheLimit) {
    settings::ReportConfig wider;
    wider.isoCheckLimit = 0.1;
    settings::ReportConfig kcal;
    kcal.thermalUnit = 1;
    settings::ReportConfig cold;
    cold.isoCombustion = 15;
    cold.isoMetering = 0;
    cold.c6plus = 1;
    const struct {
        const char* what;
        settings::ReportConfig config;
        double superiorOff, densityOff, relativeOff;
        const char* superiorText;
        const char* densityText;
        const char* relativeText;
        bool superiorMarked, densityMarked, relativeMarked;
    } cases[] = {
        {"within", {}, 0.02, -0.01, 0, "0.020", "-0.010", "0.000", false, false, false},
        {"at the limit", {}, 0.05, -0.05, 0.051, "0.050", "-0.050", "0.051", false, false, true},
        {"beyond", {}, 0.06, -0.2, 0, "0.060", "-0.200", "0.000", true, true, false},
        {"wider limit", wider, 0.06, -0.1, 0.101, "0.060", "-0.100", "0.101", false, false, true},
        {"kcal", kcal, 0.3, 0, 0, "0.300", "0.000", "0.000", true, false, false},
        {"other conditions", cold, -0.04, 0.07, 0, "-0.040", "0.070", "0.000", false, true, false},
    };
    for (const auto& c : cases) {
        const ChrHdRecord record = Record(c.config, c.superiorOff, c.densityOff, c.relativeOff);
        const DataView view = CheckedView(DataKind::ChrHour, {record}, c.config);
        ASSERT_TRUE(view.isoCheck) << c.what;
        const std::vector<CheckCell>& cells = view.rows.at(0).check;
        ASSERT_EQ(cells.size(), 9U) << c.what;
        EXPECT_EQ(Trimmed(cells[kSuperiorCell + 2]), c.superiorText) << c.what;
        EXPECT_EQ(Trimmed(cells[kDensityCell + 2]), c.densityText) << c.what;
        EXPECT_EQ(Trimmed(cells[kRelativeCell + 2]), c.relativeText) << c.what;
        EXPECT_EQ(cells[kSuperiorCell + 2].marked, c.superiorMarked) << c.what;
        EXPECT_EQ(cells[kDensityCell + 2].marked, c.densityMarked) << c.what;
        EXPECT_EQ(cells[kRelativeCell + 2].marked, c.relativeMarked) << c.what;
        for (const std::size_t value : {0U, 1U, 3U, 4U, 6U, 7U}) {
            EXPECT_FALSE(cells[value].marked) << c.what << " cell " << value;
        }
        const bool marked = c.superiorMarked || c.densityMarked || c.relativeMarked;
        EXPECT_EQ(view.isoCheck->marked, marked ? 1U : 0U) << c.what;

        // The first cell is the value column's cell; the second the calculation in the same units.
        const iso6976::GasProperties g = Expected(record.values, c.config);
        const double factor = c.config.thermalUnit == 1 ? kKcalPerMj : 1.0;
        const DataRow& row = view.rows[0];
        EXPECT_EQ(cells[kSuperiorCell].text, row.values[12]) << c.what;
        EXPECT_EQ(cells[kDensityCell].text, row.values[16]) << c.what;
        EXPECT_EQ(cells[kRelativeCell].text, row.values[17]) << c.what;
        EXPECT_NEAR(*cells[kSuperiorCell + 1].number, g.superiorVolume * factor, 1e-3) << c.what;
        EXPECT_NEAR(*cells[kDensityCell + 1].number, g.density, 1e-6) << c.what;
        EXPECT_NEAR(*cells[kRelativeCell + 1].number, g.relativeDensity, 1e-6) << c.what;
        // Shown as the views show every value: in single precision.
        EXPECT_EQ(Trimmed(cells[kSuperiorCell + 1]),
                  FixedText(static_cast<float>(g.superiorVolume * factor),
                            ChrDecimals(kSuperior, c.config)))
            << c.what;
    }
}

TEST(IsoCheck, RowsWithoutAComputedValueShowDashesAndAreNotCounted) {
    const settings::ReportConfig config;
    ChrHdRecord refused = Record(config, 1, 1, 1);
    refused.values.v[kMethane] = 80;  // the components sum to 86.7 %
    ChrHdRecord negative = Record(config, 1, 1, 1);
    negative.values.v[1] = -1.5F;
    ChrHdRecord off = Record(config, 1, 1, 1);
    ChrHdRecord switchedOff = Record(config, 1, 1, 1, 0x02);
    ChrHdRecord badCrc = Record(config, 1, 1, 1);
    DataSet set = EmptySet(DataKind::ChrDay);
    for (const ChrHdRecord& r : {refused, negative, off, switchedOff}) {
        Add(set, r);
    }
    Add(set, badCrc, false);
    DataView view = BuildDataView(set, config);
    AddIsoCheck(view, set, config);
    ASSERT_TRUE(view.isoCheck);
    EXPECT_EQ(view.isoCheck->marked, 1U);  // only the record the calculation takes
    const struct {
        std::size_t row;
        const char* first;  // the chromatograph's cell of each group
        const char* rest;   // the computed and difference cells
    } cases[] = {
        {0, "", "---"},
        {1, "", "---"},
        {3, "---", "---"},
        {4, "", ""},
    };
    for (const auto& c : cases) {
        const std::vector<CheckCell>& cells = view.rows.at(c.row).check;
        ASSERT_EQ(cells.size(), 9U) << c.row;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const bool first = i % kIsoCheckColumnsPerParameter == 0;
            if (!first || *c.first != '\0') {
                EXPECT_EQ(Trimmed(cells[i]), first ? c.first : c.rest) << c.row << " " << i;
            }
            EXPECT_FALSE(cells[i].marked) << c.row << " " << i;
            if (!first) {
                EXPECT_FALSE(cells[i].number) << c.row << " " << i;
            }
        }
    }
    // The refused records keep their chromatograph values.
    EXPECT_TRUE(view.rows[0].check[kSuperiorCell].number);
    EXPECT_TRUE(view.rows[2].check[kSuperiorCell + 2].marked);
}

TEST(IsoCheck, AppliesOnlyToHourlyAndDailyDataWithDeliveredValues) {
    settings::ReportConfig components;
    components.calcFormula = 1;
    settings::ReportConfig iso;
    iso.calcFormula = 2;
    const struct {
        DataKind kind;
        settings::ReportConfig config;
        bool applies;
    } cases[] = {
        {DataKind::ChrHour, {}, true},          {DataKind::ChrDay, {}, true},
        {DataKind::ChrMinute, {}, false},       {DataKind::WmtHour, {}, false},
        {DataKind::ChrHour, components, false}, {DataKind::ChrDay, iso, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsoCheckApplies(c.kind, c.config), c.applies) << static_cast<int>(c.kind);
        DataSet set = EmptySet(c.kind);
        DataView view = BuildDataView(set, c.config);
        AddIsoCheck(view, set, c.config);
        EXPECT_EQ(view.isoCheck.has_value(), c.applies) << static_cast<int>(c.kind);
    }
}

TEST(IsoCheck, HeadingsCarryTheViewsUnitsAndTheDifferenceInPerCent) {
    settings::ReportConfig kcal;
    kcal.thermalUnit = 1;
    kcal.decimals[kDensity] = 2;
    for (const settings::ReportConfig& config : {settings::ReportConfig{}, kcal}) {
        const DataView view = CheckedView(DataKind::ChrHour, {}, config);
        ASSERT_TRUE(view.isoCheck);
        const IsoCheckColumns& check = *view.isoCheck;
        ASSERT_EQ(check.headings.size(), 9U);
        const std::string thermal = config.thermalUnit == 1 ? "ккал/м3" : "МДж/м3";
        const std::vector<std::string> units{thermal, thermal, "%", "кг/м3", "кг/м3",
                                             "%",     " ",     " ", "%"};
        for (std::size_t i = 0; i < units.size(); ++i) {
            EXPECT_EQ(check.headings[i].unit, units[i]) << i;
            EXPECT_EQ(check.headings[i].lines[0], check.headings[i / 3 * 3].lines[0]) << i;
        }
        EXPECT_EQ(check.decimals, (std::vector<int>{4, 4, 3, config.decimals[kDensity],
                                                    config.decimals[kDensity], 3, 4, 4, 3}));
        EXPECT_EQ(check.limit, config.isoCheckLimit);
    }
}

TEST(IsoCheck, RelativeDifferenceNeedsTwoNumbersAndAComputedValueOtherThanZero) {
    const double nan = std::nan("");
    const struct {
        double chromatograph, computed;
        std::optional<double> difference;
    } cases[] = {
        {101, 100, 1.0},
        {99, 100, -1.0},
        {0, 50, -100.0},
        {1, 0, std::nullopt},
        {nan, 1, std::nullopt},
        {1, nan, std::nullopt},
        {1, INFINITY, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<double> d = RelativeDifference(c.chromatograph, c.computed);
        ASSERT_EQ(d.has_value(), c.difference.has_value()) << c.chromatograph << " " << c.computed;
        if (d) {
            EXPECT_DOUBLE_EQ(*d, *c.difference);
        }
    }
}

TEST(IsoCheck, SummaryNamesTheLimitAndTheMarkedRecordsAndTheViewCanDropTheCheck) {
    settings::ReportConfig config;
    config.isoCheckLimit = 0.125;
    const DataView view = CheckedView(
        DataKind::ChrHour,
        {Record(config, 1, 0, 0), Record(config, 0, 0, 0), Record(config, 0, 0, -2)}, config);
    ASSERT_TRUE(view.isoCheck);
    EXPECT_EQ(IsoCheckSummary(*view.isoCheck), "Отклонение от ISO 6976 более 0.125 %: записей 2");
    const DataView plain = WithoutIsoCheck(view);
    EXPECT_FALSE(plain.isoCheck);
    for (const DataRow& row : plain.rows) {
        EXPECT_TRUE(row.check.empty());
    }
    EXPECT_EQ(plain.rows.size(), view.rows.size());
    EXPECT_EQ(plain.rows[0].values, view.rows[0].values);
}

}  // namespace
}  // namespace zor06::gasdata
