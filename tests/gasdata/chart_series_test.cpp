#include "gasdata/chart_series.h"

#include <gtest/gtest.h>

#include <limits>

#include "data_set_builders.h"
#include "gasdata/data_view_model.h"
#include "gasdata/display_conversion.h"

namespace zor06::gasdata {
namespace {

using testing::Add;
using testing::EmptySet;

constexpr int kMethaneColumn = 8;
constexpr int kHigherHeatColumn = 12;  // parameter 11
constexpr int kDensityColumn = 16;     // parameter 12
constexpr std::uint8_t kSwitchedOff = 0x02;
constexpr std::uint8_t kAutoCalibration = 0x80;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

ChrValues Gas(float density) {
    ChrValues p;
    p.v[kMethane] = 94.0F;
    p.v[11] = 38.5F;
    p.v[12] = density;
    return p;
}

struct Hour {
    std::uint8_t hour;
    std::uint8_t status = 0;
    bool sealed = true;
    float density = 0.7F;
};

DataView HourView(std::initializer_list<Hour> hours, const settings::ReportConfig& config = {}) {
    DataSet set = EmptySet(DataKind::ChrHour);
    for (const Hour& h : hours) {
        ChrHdRecord r;
        r.date = {24, 3, 1};
        r.start = {h.hour, 0, 0};
        r.end = {static_cast<std::uint8_t>(h.hour + 1), 0, 0};
        r.status = h.status;
        r.values = Gas(h.density + h.hour / 1000.0F);
        Add(set, r, h.sealed);
    }
    return BuildDataView(set, config);
}

// The hours of each segment's points, counted from midnight of the set's first day.
std::vector<std::vector<std::int64_t>> Hours(const ChartSeries& series) {
    const std::int64_t midnight = *ClockSeconds({24, 3, 1, 0, 0, 0});
    std::vector<std::vector<std::int64_t>> hours;
    for (const ChartSegment& segment : series.segments) {
        hours.emplace_back();
        for (const ChartPoint& p : segment) {
            hours.back().push_back((p.seconds - midnight) / 3600);
        }
    }
    return hours;
}

TEST(ChartSeries, LinesBreakAtUnusableInvalidMissingAndNotANumber) {
    const DataView view = HourView({{10},
                                    {11},
                                    {12, 0x22},
                                    {13},
                                    {14},
                                    {15, 0, false},
                                    {16},
                                    {17},
                                    {19},
                                    {20, 0, true, kNaN},
                                    {21},
                                    {22}});
    const ChartSeries density = BuildChartSeries(view, kDensityColumn);
    EXPECT_EQ(Hours(density), (std::vector<std::vector<std::int64_t>>{
                                  {10, 11}, {13, 14}, {16, 17}, {19}, {21, 22}}));
    // A value that is not a number breaks its own column only.
    EXPECT_EQ(
        Hours(BuildChartSeries(view, kMethaneColumn)),
        (std::vector<std::vector<std::int64_t>>{{10, 11}, {13, 14}, {16, 17}, {19, 20, 21, 22}}));
}

TEST(ChartSeries, ValuesAreTheGridsConvertedNumbersWithTheColumnsNameAndUnit) {
    settings::ReportConfig kcal;
    kcal.thermalUnit = 1;
    const DataView view = HourView({{10}, {11}}, kcal);
    const ChartSeries heat = BuildChartSeries(view, kHigherHeatColumn);
    EXPECT_EQ(heat.name, "Удельная Тсг высшая");
    EXPECT_EQ(heat.unit, "ккал/м3");
    ASSERT_EQ(heat.segments.size(), 1U);
    ASSERT_EQ(heat.segments[0].size(), 2U);
    for (std::size_t r = 0; r < 2; ++r) {
        EXPECT_EQ(heat.segments[0][r].value, view.rows[r].numbers[kHigherHeatColumn]);
        EXPECT_NEAR(heat.segments[0][r].value, 38.5 * kKcalPerMj, 0.01);
    }
    const ChartSeries density = BuildChartSeries(view, kDensityColumn);
    EXPECT_EQ(density.name, "Плотность реального газа");
    EXPECT_EQ(density.unit, "кг/м3");
    EXPECT_EQ(BuildChartSeries(view, 17).unit, "");  // relative density has none
    // Words broken across heading lines are whole again; a Latin prefix keeps its hyphen.
    EXPECT_EQ(BuildChartSeries(view, 18).name, "Фактор сжимаемости");
    EXPECT_EQ(BuildChartSeries(view, 4).name, "МД neo-пентана");
    EXPECT_TRUE(BuildChartSeries(view, 20).segments.empty());
}

TEST(ChartSeries, MarkersBreakTheLineAndClockDriftDoesNot) {
    DataSet set = EmptySet(DataKind::ChrMinute);
    const auto add = [&set](std::uint8_t minute, std::uint8_t second, std::uint8_t state) {
        ChrMinRecord r;
        r.date = {24, 3, 1, 10, minute, second};
        r.state = state;
        r.values = Gas(0.7F);
        Add(set, r);
    };
    add(0, 0, 0);
    add(3, 0, 0);
    add(6, 0, kAutoCalibration);
    add(9, 0, 0);
    add(12, 17, 0);
    add(18, 0, 0);  // 10:15 is missing
    add(21, 0, kSwitchedOff);
    add(24, 0, 0);
    const ChartSeries series = BuildChartSeries(BuildDataView(set, {}), kDensityColumn);
    std::vector<std::size_t> sizes;
    for (const ChartSegment& s : series.segments) {
        sizes.push_back(s.size());
    }
    EXPECT_EQ(sizes, (std::vector<std::size_t>{2, 2, 1, 1}));
    EXPECT_EQ(series.segments[1][1].seconds - series.segments[1][0].seconds, 197);
}

TEST(ChartSeries, MoistureDaysJoinAndAMissingDayOrAnImpossibleDateBreaks) {
    DataSet set = EmptySet(DataKind::WmtDay);
    // The 4th is missing; the 31st is of April, which has none.
    for (const std::uint8_t day : {1, 2, 3, 5, 6, 31, 7}) {
        WmtHdRecord r;
        r.date = {24, static_cast<std::uint8_t>(day == 31 ? 4 : 3), day};
        r.start = {10, 0, 0};
        r.end = {10, 0, 0};
        r.values = {-12.5F, -10.0F, 50.0F, static_cast<float>(day)};
        Add(set, r);
    }
    const ChartSeries series = BuildChartSeries(BuildDataView(set, {}), 3);
    ASSERT_EQ(series.segments.size(), 3U);
    EXPECT_EQ(series.segments[0].size(), 3U);
    EXPECT_EQ(series.segments[1].size(), 2U);
    EXPECT_EQ(series.segments[2], (ChartSegment{{*ClockSeconds({24, 3, 7, 10, 0, 0}), 7.0}}));
    EXPECT_EQ(series.unit, "°С");
}

TEST(ChartSeries, ClockSecondsCountFromTheCenturysFirstMidnight) {
    EXPECT_EQ(ClockSeconds({0, 1, 1, 0, 0, 0}), 0);
    EXPECT_EQ(ClockSeconds({0, 1, 2, 1, 2, 3}), 86400 + 3723);
    EXPECT_EQ(*ClockSeconds({24, 3, 1, 0, 0, 0}) - *ClockSeconds({24, 2, 28, 0, 0, 0}), 2 * 86400);
    for (const bytes::ControllerDateTime& impossible :
         {bytes::ControllerDateTime{23, 2, 29, 0, 0, 0},
          bytes::ControllerDateTime{24, 13, 1, 0, 0, 0},
          bytes::ControllerDateTime{24, 1, 0, 0, 0, 0},
          bytes::ControllerDateTime{24, 1, 1, 24, 0, 0},
          bytes::ControllerDateTime{24, 1, 1, 0, 60, 0},
          bytes::ControllerDateTime{24, 1, 1, 0, 0, 60}}) {
        EXPECT_FALSE(ClockSeconds(impossible)) << int(impossible[1]) << "/" << int(impossible[2]);
    }
}

}  // namespace
}  // namespace zor06::gasdata
