// A collection pass over 50 simulated stations, each with a day of 3-minute data, into SQLite,
// against the time of the slowest single station; and the records stored per second of the pass.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "collect/collection_pass.h"
#include "settings/list_files.h"
#include "settings/settings_store.h"
#include "settings/work_dir.h"
#include "store/collection_store.h"
#include "tests/support/sim_process.h"

namespace {

using namespace zor06;

constexpr int kStations = 50;
constexpr int kJobs = 8;

// Goal: the pass takes a small multiple of its slowest station, far below the stations' sum.
void BM_CollectFiftyStationsIntoSqlite(benchmark::State& state) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("zor06-collect-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::string error;
    if (!settings::PrepareWorkDir(dir, &error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    test::SimProcess sim(
        ZOR06_SIM_PATH,
        {"--tcp", "127.0.0.1:0", "--fleet", std::to_string(kStations), "--fleet-subscribers",
         (settings::IniDir(dir) / settings::kEthernetListFile).string(), "--now",
         "26-12-10 12:00:00", "--frozen-clock", "--data-start", "26-12-09 12:00:00", "--runs", "1",
         "--interventions", "20", "--diagnostics", "20"});
    bool fleetUp = sim.Started();
    for (int i = 1; fleetUp && i < kStations; ++i) {
        fleetUp = sim.NextLine().has_value();
    }
    if (!fleetUp) {
        state.SkipWithError("simulated fleet not available");
        return;
    }
    settings::ProgramSettings program;
    settings::LoadSettings(program, settings::IniDir(dir), {1280, 1024}, 46000.0);
    const auto targets = collect::CollectionTargets(program, {}, &error);
    double slowest = 0;
    double pass = 0;
    std::int64_t records = 0;
    for (auto _ : state) {
        const std::filesystem::path db = dir / "bench.sqlite";
        for (const char* suffix : {"", "-wal", "-shm"}) {
            std::filesystem::remove(db.string() + suffix);
        }
        const auto store = store::OpenStore("sqlite:" + db.string(), &error);
        if (!store || !targets) {
            state.SkipWithError(error.c_str());
            break;
        }
        const auto begin = std::chrono::steady_clock::now();
        const auto reports = collect::CollectPass(*targets, {program, std::nullopt}, *store, kJobs);
        pass = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        records = 0;
        for (const collect::StationReport& r : reports) {
            slowest = std::max(slowest, r.seconds);
            for (const store::ArchiveCount& c : r.counts) {
                records += c.records;
            }
            if (!r.ok) {
                state.SkipWithError((r.station + ": " + r.outcome).c_str());
            }
        }
    }
    state.counters["pass_s"] = pass;
    state.counters["slowest_station_s"] = slowest;
    state.counters["pass_per_slowest"] = slowest > 0 ? pass / slowest : 0;
    state.counters["records"] = static_cast<double>(records);
    state.counters["records_per_s"] = pass > 0 ? static_cast<double>(records) / pass : 0;
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_CollectFiftyStationsIntoSqlite)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
