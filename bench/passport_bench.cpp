// A monthly passport of 31 days built from records in memory and saved as a workbook filled from
// the build's template: under 0.2 s.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "gasdata/passport.h"

namespace {

using namespace zor06;
namespace fs = std::filesystem;

constexpr int kDays = 31;

template <typename Record>
Record Sealed(Record r) {
    auto bytes = r.Encode();
    gasdata::SealRecord(bytes);
    return Record::Decode(bytes);
}

gasdata::PassportData Month() {
    gasdata::PassportData d;
    d.mode = gasdata::PassportMode::Month;
    d.date = {24, 3, 1, 10};
    d.serialNumber = 4711;
    d.runName = "Нитка 1";
    d.objectName = "ГРС";
    for (int day = 1; day <= kDays; ++day) {
        gasdata::ChrHdRecord chr;
        chr.date = {24, 3, static_cast<std::uint8_t>(day)};
        for (std::size_t i = 0; i < chr.values.v.size(); ++i) {
            chr.values.v[i] = 1.5f + static_cast<float>(i) + static_cast<float>(day) * 0.01f;
        }
        d.chr.push_back(Sealed(chr));
        gasdata::WmtHdRecord wmt;
        wmt.date = chr.date;
        wmt.values = {-12.5f, -3.25f, 54.1f, -20.75f};
        d.wmt.push_back(Sealed(wmt));
    }
    return d;
}

void BM_MonthlyPassportToWorkbook(benchmark::State& state) {
    const gasdata::PassportData month = Month();
    const fs::path path =
        fs::temp_directory_path() / ("zor06-bench-" + std::to_string(::getpid()) + "-month.xlsx");
    for (auto _ : state) {
        gasdata::PassportData d = month;
        d.chrSummary.values = gasdata::MonthChrAverages(d.chr);
        d.wmtSummary.values = gasdata::MonthWmtAverages(d.wmt);
        std::string error;
        if (!gasdata::WritePassport(d, ZOR06_TEMPLATE_DIR, path, &error)) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    std::error_code ec;
    fs::remove(path, ec);
}
BENCHMARK(BM_MonthlyPassportToWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
