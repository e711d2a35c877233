#include "gasdata/chart_setpoints.h"

#include <gtest/gtest.h>

#include <limits>

#include "data_set_builders.h"
#include "gasdata/data_view_model.h"
#include "gasdata/display_conversion.h"

namespace zor06::gasdata {
namespace {

constexpr int kLowerTable = 23;
constexpr int kUpperTable = 24;

// Parameter p's setpoints are p + 0.5 and p + 10.
WarningSetpoints Read() {
    tables::ControllerImage image;
    for (int p = 0; p < kChrParameters; ++p) {
        image.SetFloat(kLowerTable, p, static_cast<float>(p) + 0.5F);
        image.SetFloat(kUpperTable, p, static_cast<float>(p) + 10.0F);
    }
    image.SetFloat(kUpperTable, 19, std::numeric_limits<float>::quiet_NaN());
    return WarningSetpointsOf(image);
}

DataView ChrView(const settings::ReportConfig& config = {}) {
    return BuildDataView(testing::EmptySet(DataKind::ChrHour), config);
}

TEST(ChartSetpoints, EachColumnGetsItsParametersSetpoints) {
    const DataView view = ChrView();
    const ColumnSetpoints lines = ShownSetpoints(view, Read(), {});
    ASSERT_EQ(lines.size(), 20U);
    for (std::size_t c = 0; c < lines.size(); ++c) {
        const int p = view.valueParameters[c];
        if (p == 15 || p == 16) {
            EXPECT_EQ(lines[c], SetpointLines{}) << "unused parameter " << p;
        } else if (p != 19) {
            EXPECT_EQ(lines[c], (SetpointLines{p + 0.5, p + 10.0})) << "column " << c;
        }
    }
    // Column 17 shows parameter 19, whose upper setpoint is no number.
    EXPECT_EQ(lines[17], (SetpointLines{19.5, std::nullopt}));
}

TEST(ChartSetpoints, FollowTheThermalUnitAndLeaveVolumeFractionsOut) {
    settings::ReportConfig config;
    config.thermalUnit = 1;
    config.composition = 1;
    const ColumnSetpoints lines = ShownSetpoints(ChrView(config), Read(), config);
    for (int c = 0; c < kComponents; ++c) {
        EXPECT_EQ(lines[c], SetpointLines{}) << "component column " << c;
    }
    EXPECT_NEAR(*lines[12].lower, 11.5 * kKcalPerMj, 1e-9);  // higher heating value
    EXPECT_NEAR(*lines[15].upper, 27.0 * kKcalPerMj, 1e-9);  // lower Wobbe index
    EXPECT_EQ(lines[16], (SetpointLines{12.5, 22.0}));       // density keeps its unit
}

TEST(ChartSetpoints, MoistureColumnsHaveNone) {
    const DataView view = BuildDataView(testing::EmptySet(DataKind::WmtMinute), {});
    EXPECT_EQ(ShownSetpoints(view, Read(), {}), ColumnSetpoints(4));
}

}  // namespace
}  // namespace zor06::gasdata
