#include "gasdata/chart_series.h"

#include <chrono>
#include <cmath>
#include <string_view>

#include "gasdata/heading_text.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;

bool Follows(std::int64_t previous, std::int64_t next, std::int64_t step) {
    const std::int64_t delta = next - previous;
    return delta > 0 && 2 * delta <= 3 * step;
}

}  // namespace

std::optional<std::int64_t> ClockSeconds(const bytes::ControllerDateTime& date) {
    namespace ch = std::chrono;
    const ch::year_month_day calendar{ch::year{2000 + date[0]}, ch::month{date[1]},
                                      ch::day{date[2]}};
    if (!calendar.ok() || date[3] > 23 || date[4] > 59 || date[5] > 59) {
        return std::nullopt;
    }
    const ch::sys_days first = ch::year{2000} / ch::January / 1;
    const auto days = (ch::sys_days{calendar} - first).count();
    return days * kDay + date[3] * kHour + date[4] * kMinute + date[5];
}

std::int64_t StepSeconds(DataKind kind) {
    switch (KindOf(kind).step) {
        case Step::ThreeMinutes:
            return 3 * kMinute;
        case Step::Hour:
            return kHour;
        case Step::Day:
            return kDay;
    }
    return kDay;
}

ChartSeries BuildChartSeries(const DataView& view, int column) {
    ChartSeries series;
    series.column = column;
    const auto c = static_cast<std::size_t>(column);
    if (column < 0 || c >= view.valueHeadings.size()) {
        return series;
    }
    series.name = HeadingName(view.valueHeadings[c]);
    series.unit = text::TrimBlanks(view.valueHeadings[c].unit);
    const std::int64_t step = StepSeconds(view.kind);
    ChartSegment current;
    const auto close = [&] {
        if (!current.empty()) {
            series.segments.push_back(std::move(current));
            current.clear();
        }
    };
    for (const DataRow& row : view.rows) {
        // Plain values rather than optionals: GCC's -O3 flow analysis misreads the copies.
        const bool hasValue = c < row.numbers.size() && row.numbers[c].has_value();
        const double value = hasValue ? *row.numbers[c] : 0.0;
        const std::optional<std::int64_t> clock = row.time ? ClockSeconds(*row.time) : std::nullopt;
        if (!hasValue || !std::isfinite(value) || !clock.has_value()) {
            close();
            continue;
        }
        const std::int64_t seconds = clock.value_or(0);
        if (!current.empty() && !Follows(current.back().seconds, seconds, step)) {
            close();
        }
        current.push_back({seconds, value});
    }
    close();
    return series;
}

}  // namespace zor06::gasdata
