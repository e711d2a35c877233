// Adding a year and a half of 3-minute chromatograph records (100 000) to an SQLite collection
// database in batches as a collection brings them, one transaction per batch.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "store/collection_store.h"

namespace {

using namespace zor06;

constexpr int kRecords = 100000;
constexpr int kBatch = 320;  // about what one read of the archive brings
constexpr int kMinutesPerRecord = 3;

std::string Period(int record) {
    const int minutes = record * kMinutesPerRecord;
    const int days = minutes / (24 * 60);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:00", 2020 + days / 336,
                  1 + days / 28 % 12, 1 + days % 28, minutes / 60 % 24, minutes % 60);
    return text;
}

std::vector<store::DataRecord> Records() {
    std::vector<store::DataRecord> records(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        store::DataRecord& record = records[static_cast<std::size_t>(i)];
        record.archive = store::Archive::ChrMinute;
        record.run = 1;
        record.period = Period(i);
        for (int v = 0; v < 20; ++v) {
            record.values.push_back(90.0 / (v + 1) + i * 1e-6);
        }
        record.raw.assign(96, static_cast<std::uint8_t>(i));
    }
    return records;
}

// Goal: over 20 000 records/s.
void BM_AddThreeMinuteRecordsToSqlite(benchmark::State& state) {
    const auto records = Records();
    const auto dir = std::filesystem::temp_directory_path() /
                     ("zor06-store-bench-" + std::to_string(::getpid()));
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        std::string error;
        auto db = store::OpenStore("sqlite:" + (dir / "collect.db").string(), &error);
        if (!db) {
            state.SkipWithError(error.c_str());
            break;
        }
        state.ResumeTiming();
        for (std::size_t at = 0; at < records.size(); at += kBatch) {
            const auto batch =
                std::span(records).subspan(at, std::min<std::size_t>(kBatch, records.size() - at));
            if (db->AddDataRecords("station", batch) != static_cast<std::int64_t>(batch.size())) {
                state.SkipWithError(db->Error().c_str());
                break;
            }
        }
    }
    std::filesystem::remove_all(dir);
    state.counters["records_per_s"] =
        benchmark::Counter(static_cast<double>(kRecords) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}
// Wall time: the writes wait for the disk, not the processor.
BENCHMARK(BM_AddThreeMinuteRecordsToSqlite)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
