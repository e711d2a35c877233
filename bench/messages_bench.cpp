// Decoding a large archive reading into view rows: 100 000 records should take well under a
// second.
#include <benchmark/benchmark.h>

#include <vector>

#include "messages/message_records.h"
#include "messages/message_view.h"

namespace {

using namespace zor06;

constexpr int kRecords = 100000;

std::vector<std::uint8_t> Interventions() {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kRecords * messages::kInterventionSize);
    for (int i = 0; i < kRecords; ++i) {
        messages::InterventionRecord r;
        r.when = {26, 12, 9, 16, 5, static_cast<std::uint8_t>(i % 60)};
        r.table = static_cast<std::uint8_t>(2 + i % 27);
        r.field = static_cast<std::uint8_t>(i % 20);
        r.unit = static_cast<std::uint8_t>(i % 40);
        r.oldValue = messages::BytesOf(static_cast<float>(i) * 0.5F);
        r.newValue = messages::BytesOf(static_cast<float>(i));
        r.user = {'U', 's', 'e', 'r'};
        const auto b = r.Encode();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

std::vector<std::uint8_t> Diagnostics() {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kRecords * messages::kDiagnosticSize);
    for (int i = 0; i < kRecords; ++i) {
        messages::DiagnosticRecord r;
        r.when = {26, 12, 9, 16, 5, static_cast<std::uint8_t>(i % 60)};
        r.event = static_cast<std::uint8_t>(i % 90);
        r.object = static_cast<std::uint8_t>(i % 256);
        r.index = static_cast<std::uint8_t>(i % 24);
        r.first = messages::BytesOf(static_cast<float>(i) * 0.37F);
        r.second = messages::BytesOf(90.0F);
        const auto b = r.Encode();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

void Decode(benchmark::State& state, messages::Archive archive,
            const std::vector<std::uint8_t>& records) {
    dataset::HdmHeader header;
    header.recordCount = kRecords;
    for (auto _ : state) {
        auto view =
            messages::OpenMessageView(archive, header, records, messages::ViewMode::ByIndex, 1);
        benchmark::DoNotOptimize(view.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_DecodeInterventions(benchmark::State& state) {
    static const auto records = Interventions();
    Decode(state, messages::Archive::Interventions, records);
}
BENCHMARK(BM_DecodeInterventions)->Unit(benchmark::kMillisecond);

void BM_DecodeDiagnostics(benchmark::State& state) {
    static const auto records = Diagnostics();
    Decode(state, messages::Archive::Diagnostics, records);
}
BENCHMARK(BM_DecodeDiagnostics)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
