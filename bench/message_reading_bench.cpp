// Reading 1 000 operator interventions by index over an emulated 9600 bit/s line, against the
// time the line itself needs to carry the replies.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/paced_line.h"
#include "link/hgcbox.h"
#include "messages/message_reading.h"
#include "tests/support/recording_operator.h"
#include "tests/support/sim_process.h"

namespace {

using namespace zor06;

constexpr int kBaud = 9600;
constexpr int kRecords = 1000;
constexpr double kBitsPerByte = 10;  // start, 8 data bits, stop

// Goal: within 5 % of the replies' wire time (the simulator paces only what it sends).
void BM_ReadThousandInterventionsAt9600(benchmark::State& state) {
    test::SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--line-baud", std::to_string(kBaud),
                                          "--interventions", std::to_string(kRecords)});
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
        std::filesystem::temp_directory_path() / "zor06-messages-bench";
    std::filesystem::create_directories(dir);
    std::size_t received = 0;
    messages::ReadingContext ctx{tables, dir, [&received](const messages::MessageSet& set) {
                                     received = set.header.recordCount;
                                 }};
    const auto& kind = messages::KindOf(messages::Archive::Interventions);
    const int replies = (kRecords + kind.batch - 1) / kind.batch;
    const double replyBytes = static_cast<double>(replies) *
                              (11.0 + static_cast<double>(kind.batch * kind.recordSize) + 2.0);
    const double wire = replyBytes * kBitsPerByte / kBaud;
    double measured = 0;
    for (auto _ : state) {
        const auto start = platform::MonoClock::now();
        messages::ReadMessagesByIndex(ctx, messages::Archive::Interventions, 1, kRecords);
        measured += std::chrono::duration<double>(platform::MonoClock::now() - start).count();
        if (received != kRecords) {
            state.SkipWithError("reading incomplete");
            break;
        }
    }
    std::filesystem::remove_all(dir);
    const double perReading = measured / static_cast<double>(state.iterations());
    state.counters["wire_s"] = wire;
    state.counters["measured_s"] = perReading;
    state.counters["overhead_percent"] = 100.0 * (perReading - wire) / wire;
}
BENCHMARK(BM_ReadThousandInterventionsAt9600)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
