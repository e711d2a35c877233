// Opening two months of 3-minute chromatograph data: decoding, converting and filling the view
// model of 28 800 records.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "gasdata/data_view_model.h"
#include "gasdata/records.h"
#include "tables/controller_date.h"

namespace {

using namespace zor06;

constexpr int kRecords = 28'800;

gasdata::DataSet TwoMonths() {
    gasdata::DataSet set;
    set.kind = gasdata::DataKind::ChrMinute;
    set.header.SetKind("MIN");
    bytes::ControllerDateTime date{24, 3, 1, 0, 0, 0};
    for (int i = 0; i < kRecords; ++i) {
        gasdata::ChrMinRecord r;
        r.date = date;
        r.state = i % 97 == 0 ? 0x80 : 0;
        for (int p = 0; p < gasdata::kChrParameters; ++p) {
            r.values.v[static_cast<std::size_t>(p)] = 1.0F + static_cast<float>((i + p) % 50) / 7;
        }
        r.values.v[gasdata::kMethane] = 92.0F;
        auto bytes = r.Encode();
        gasdata::SealRecord(bytes);
        set.records.insert(set.records.end(), bytes.begin(), bytes.end());
        date = tables::StepThreeMinutes(date, tables::kStepThreeMinutes);
    }
    set.header.recordCount = kRecords;
    return set;
}

// Goal: under 0.5 s and under 200 MB for the whole view model.
void BM_OpenTwoMonthsOfThreeMinuteData(benchmark::State& state) {
    const gasdata::DataSet set = TwoMonths();
    settings::ReportConfig config;
    config.calcFormula = 1;
    config.methaneCorrection = 1;
    std::size_t rows = 0;
    for (auto _ : state) {
        const gasdata::DataView view = gasdata::BuildDataView(set, config);
        rows = view.rows.size();
        benchmark::DoNotOptimize(view.averages);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_OpenTwoMonthsOfThreeMinuteData)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
