#include "gasdata/iso_check.h"

#include <gtest/gtest.h>

#include <array>
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
using Offsets = std::array<double, 3>;  // per cent, by check group

// The value columns of the superior calorific value, the density and the relative density.
constexpr std::array<std::size_t, 3> kValueColumns{12, 16, 17};

// Straight from the calculation, not through the view's conversion.
iso6976::GasProperties Expected(const ChrValues& p, const settings::ReportConfig& config) {
    return *iso6976::ComputeGasProperties(p, IsoConditionsOf(config)).properties;
}

// Methane 93.3212, ethane 2.5656, propane 1.5368, nitrogen 1.0350, carbon dioxide 1.5414, and
// the checked values `off` per cent from what the calculation gives (MJ/m3 delivered).
ChrHdRecord Record(const settings::ReportConfig& config, Offsets off, std::uint8_t status = 0) {
    ChrHdRecord r;
    r.date = {24, 3, 1};
    r.start = {10, 0, 0};
    r.end = {11, 0, 0};
    r.status = status;
    r.values.v[1] = 1.5368F;
    r.values.v[7] = 1.0350F;
    r.values.v[kMethane] = 93.3212F;
    r.values.v[9] = 1.5414F;
    r.values.v[10] = 2.5656F;
    const iso6976::GasProperties g = Expected(r.values, config);
    const Offsets computed{g.superiorVolume, g.density, g.relativeDensity};
    for (std::size_t i = 0; i < 3; ++i) {
        r.values.v[kIsoCheckParameters[i]] = static_cast<float>(computed[i] * (1 + off[i] / 100));
    }
    return r;
}

DataView CheckedView(DataSet set, const settings::ReportConfig& config) {
    DataView view = BuildDataView(set, config);
    AddIsoCheck(view, set, config);
    return view;
}

DataView CheckedView(const std::vector<ChrHdRecord>& records,
                     const settings::ReportConfig& config) {
    DataSet set = EmptySet(DataKind::ChrHour);
    for (const ChrHdRecord& r : records) {
        Add(set, r);
    }
    return CheckedView(set, config);
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
        Offsets off;
        std::array<const char*, 3> texts;
        std::array<bool, 3> marked;
    } cases[] = {
        {"within", {}, {0.02, -0.01, 0}, {"0.020", "-0.010", "0.000"}, {false, false, false}},
        {"at the limit",
         {},
         {0.05, -0.05, 0.051},
         {"0.050", "-0.050", "0.051"},
         {false, false, true}},
        {"beyond", {}, {0.06, -0.2, 0}, {"0.060", "-0.200", "0.000"}, {true, true, false}},
        {"wider limit",
         wider,
         {0.06, -0.1, 0.101},
         {"0.060", "-0.100", "0.101"},
         {false, false, true}},
        {"kcal", kcal, {0.3, 0, 0}, {"0.300", "0.000", "0.000"}, {true, false, false}},
        {"other conditions",
         cold,
         {-0.04, 0.07, 0},
         {"-0.040", "0.070", "0.000"},
         {false, true, false}},
    };
    for (const auto& c : cases) {
        const ChrHdRecord record = Record(c.config, c.off);
        const DataView view = CheckedView({record}, c.config);
        ASSERT_TRUE(view.isoCheck) << c.what;
        const DataRow& row = view.rows.at(0);
        ASSERT_EQ(row.check.size(), 9U) << c.what;
        const iso6976::GasProperties g = Expected(record.values, c.config);
        const double factor = c.config.thermalUnit == 1 ? kKcalPerMj : 1.0;
        const Offsets computed{g.superiorVolume * factor, g.density, g.relativeDensity};
        bool anyMarked = false;
        for (std::size_t i = 0; i < 3; ++i) {
            const CheckCell* group = &row.check[3 * i];
            EXPECT_EQ(group[0].text, row.values[kValueColumns[i]]) << c.what << i;
            // Shown as the views show every value: in single precision.
            EXPECT_EQ(Trimmed(group[1]), FixedText(static_cast<float>(computed[i]),
                                                   ChrDecimals(kIsoCheckParameters[i], c.config)))
                << c.what << i;
            EXPECT_EQ(Trimmed(group[2]), c.texts[i]) << c.what << i;
            EXPECT_EQ(group[2].marked, c.marked[i]) << c.what << i;
            EXPECT_FALSE(group[0].marked || group[1].marked) << c.what << i;
            anyMarked = anyMarked || c.marked[i];
        }
        EXPECT_EQ(view.isoCheck->marked, anyMarked ? 1U : 0U) << c.what;
    }
}

TEST(IsoCheck, RowsWithoutAComputedValueShowDashesAndAreNotCounted) {
    const settings::ReportConfig config;
    const Offsets off{1, 1, 1};
    ChrHdRecord refused = Record(config, off);
    refused.values.v[kMethane] = 80;  // the components sum to 86.7 %
    ChrHdRecord negative = Record(config, off);
    negative.values.v[1] = -1.5F;
    DataSet set = EmptySet(DataKind::ChrDay);
    for (const ChrHdRecord& r : {refused, negative, Record(config, off), Record(config, off, 2)}) {
        Add(set, r);
    }
    Add(set, Record(config, off), false);  // a bad CRC
    const DataView view = CheckedView(set, config);
    ASSERT_TRUE(view.isoCheck);
    EXPECT_EQ(view.isoCheck->marked, 1U);  // only the record the calculation takes
    EXPECT_EQ(IsoCheckSummary(*view.isoCheck), "Отклонение от ISO 6976 более 0.05 %: записей 1");
    const struct {
        std::size_t row;
        const char* first;  // the chromatograph's cell of each group; null for its number
        const char* rest;   // the computed and difference cells
    } cases[] = {{0, nullptr, "---"}, {1, nullptr, "---"}, {3, "---", "---"}, {4, "", ""}};
    for (const auto& c : cases) {
        const std::vector<CheckCell>& cells = view.rows.at(c.row).check;
        ASSERT_EQ(cells.size(), 9U) << c.row;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const bool first = i % 3 == 0;
            if (first && c.first == nullptr) {
                EXPECT_TRUE(cells[i].number) << c.row << " " << i;
            } else {
                EXPECT_EQ(Trimmed(cells[i]), first ? c.first : c.rest) << c.row << " " << i;
                EXPECT_FALSE(cells[i].number) << c.row << " " << i;
            }
            EXPECT_FALSE(cells[i].marked) << c.row << " " << i;
        }
    }
}

TEST(IsoCheck, OnlyHourlyAndDailyDataWithDeliveredValuesGetTheCheck) {
    settings::ReportConfig components;
    components.calcFormula = 1;
    settings::ReportConfig iso;
    iso.calcFormula = 2;
    settings::ReportConfig kcal;
    kcal.thermalUnit = 1;
    kcal.decimals[12] = 2;
    const struct {
        DataKind kind;
        settings::ReportConfig config;
        bool applies;
    } cases[] = {
        {DataKind::ChrHour, {}, true},          {DataKind::ChrDay, kcal, true},
        {DataKind::ChrMinute, {}, false},       {DataKind::WmtHour, {}, false},
        {DataKind::ChrHour, components, false}, {DataKind::ChrDay, iso, false},
    };
    for (const auto& c : cases) {
        const DataView view = CheckedView(EmptySet(c.kind), c.config);
        ASSERT_EQ(view.isoCheck.has_value(), c.applies) << static_cast<int>(c.kind);
        if (!c.applies) {
            continue;
        }
        // The value columns' units and decimals; the differences in per cent with three.
        std::vector<std::string> units;
        std::vector<int> decimals;
        for (const int p : kIsoCheckParameters) {
            const std::string unit = ChrParameterHeading(p, c.config).unit;
            units.insert(units.end(), {unit, unit, "%"});
            decimals.insert(decimals.end(),
                            {ChrDecimals(p, c.config), ChrDecimals(p, c.config), 3});
        }
        ASSERT_EQ(view.isoCheck->headings.size(), 9U);
        for (std::size_t i = 0; i < 9; ++i) {
            EXPECT_EQ(view.isoCheck->headings[i].unit, units[i]) << i;
        }
        EXPECT_EQ(view.isoCheck->decimals, decimals);
    }
}

}  // namespace
}  // namespace zor06::gasdata
