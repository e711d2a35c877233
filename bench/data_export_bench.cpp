// A year of hourly chromatograph data (8 760 rows) exported and printed: the workbook should be
// written in under 2 s, the printout laid out and painted to PDF in under 5 s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "gasdata/data_report.h"
#include "gasdata/data_workbook.h"
#include "gasdata/sample_views.h"
#include "report/layout.h"

#ifdef ZOR06_BENCH_PDF
#include <QGuiApplication>

#include "report/render/page_renderer.h"
#endif

namespace {

using namespace zor06;
namespace fs = std::filesystem;

constexpr std::size_t kHoursOfYear = 8760;

fs::path Output(const char* name) {
    return fs::temp_directory_path() / ("zor06-bench-" + std::to_string(::getpid()) + "-" + name);
}

void BM_HourlyYearToWorkbook(benchmark::State& state) {
    const gasdata::DataView view = gasdata::test::ChrView(gasdata::DataKind::ChrHour, kHoursOfYear);
    const fs::path path = Output("year.xlsx");
    for (auto _ : state) {
        std::string error;
        if (!gasdata::WriteDataWorkbook(view, path, &error)) {
            state.SkipWithError(error.c_str());
        }
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    fs::remove(path);
}
BENCHMARK(BM_HourlyYearToWorkbook)->Iterations(3)->Unit(benchmark::kMillisecond);

#ifdef ZOR06_BENCH_PDF
void BM_HourlyYearToPdf(benchmark::State& state) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int argc = 1;
    char name[] = "data_export_bench";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    const gasdata::DataView view = gasdata::test::ChrView(gasdata::DataKind::ChrHour, kHoursOfYear);
    const fs::path path = Output("year.pdf");
    std::size_t pages = 0;
    for (auto _ : state) {
        const report::Pages laid =
            report::Layout(gasdata::ChrDataReport(view, dataset::HdmHeader{}, "Org", {}));
        pages = laid.pages.size();
        std::string error;
        if (!report::WritePdf(laid, path, &error)) {
            state.SkipWithError(error.c_str());
        }
    }
    state.counters["pages"] = static_cast<double>(pages);
    fs::remove(path);
}
BENCHMARK(BM_HourlyYearToPdf)->Iterations(1)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
