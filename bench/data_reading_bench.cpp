// Reading one day of 3-minute chromatograph data (480 records in 240 exchanges) over an emulated
// 9600 bit/s line, against the time the line itself needs to carry the replies.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/paced_line.h"
#include "gasdata/data_reading.h"
#include "link/hgcbox.h"
#include "tables/controller_date.h"
#include "tests/support/recording_operator.h"
#include "tests/support/sim_process.h"

namespace {

using namespace zor06;

constexpr int kBaud = 9600;
constexpr int kRecords = 480;
constexpr double kBitsPerByte = 10;  // start, 8 data bits, stop

// Goal: within 5 % of the replies' wire time (the simulator paces only what it sends).
void BM_ReadOneDayOfThreeMinuteDataAt9600(benchmark::State& state) {
    test::SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--line-baud", std::to_string(kBaud)});
    link::hgcbox link(1);
    if (!bench::OpenPacedLine(sim, link, kBaud)) {
        state.SkipWithError("simulator not available");
        return;
    }
    tables::ControllerImage image;
    image.Field(41, 0)[0] = 1;  // a known serial number: no extra request
    test::RecordingOperator op;
    tables::TableContext tables{link, image, op};
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zor06-data-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    gasdata::DataReadingContext ctx{tables, dir, {}, {}};
    // Yesterday, 00:00 to 23:57, well inside the simulator's two months of records.
    bytes::ControllerDateTime day = tables::StepBack(
        tables::EncodeNow(platform::SystemClock().LocalDateTime()), tables::kStepDay);
    const bytes::ControllerDateTime start{day[0], day[1], day[2], 0, 0, 0};
    const bytes::ControllerDateTime end{day[0], day[1], day[2], 23, 57, 0};
    const auto& kind = gasdata::KindOf(gasdata::DataKind::ChrMinute);
    const double replyBytes = static_cast<double>(kRecords) / static_cast<double>(kind.perReply) *
                              (5.0 + static_cast<double>(kind.perReply * kind.recordSize) + 2.0);
    const double wire = replyBytes * kBitsPerByte / kBaud;
    double measured = 0;
    for (auto _ : state) {
        const auto begin = platform::MonoClock::now();
        const auto set =
            gasdata::ReadDataPeriod(ctx, gasdata::DataKind::ChrMinute, 0, start, end).set;
        measured += std::chrono::duration<double>(platform::MonoClock::now() - begin).count();
        if (!set || set->Count() != kRecords) {
            state.SkipWithError("reading incomplete");
            break;
        }
    }
    std::filesystem::remove_all(dir);
    // The reading holds its full progress bar for half a second at the end; the line does not.
    const double perReading = measured / static_cast<double>(state.iterations()) - 0.5;
    state.counters["wire_s"] = wire;
    state.counters["measured_s"] = perReading;
    state.counters["overhead_percent"] = 100.0 * (perReading - wire) / wire;
}
BENCHMARK(BM_ReadOneDayOfThreeMinuteDataAt9600)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
