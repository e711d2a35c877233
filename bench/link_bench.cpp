// How the link behaves on the line: CPU while waiting for a slow controller, the pause between
// a reply and the next request, and request throughput over loopback TCP.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

#include "link/exchange_ring.h"
#include "link/hgcbox.h"
#include "link/tcp_connect.h"
#include "tests/support/recording_operator.h"
#include "tests/support/sim_process.h"

namespace {

using namespace zor06;

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

bool ReadTable(link::hgcbox& link, std::uint8_t table, std::uint8_t count) {
    const std::uint8_t header[] = {table, 0, count};
    return link.Request(1, header);
}

// Wraps the real channel and notes when the last reply bytes came in and when the next request
// started to go out. Its serial line is the inner one's, so the link still drives it.
class TimingChannel : public platform::ByteChannel {
public:
    explicit TimingChannel(std::unique_ptr<platform::ByteChannel> inner)
        : inner_(std::move(inner)) {}
    void DiscardQueues() override { inner_->DiscardQueues(); }
    long Transmit(std::span<const std::uint8_t> bytes) override {
        if (lastReceive != platform::MonoTime{}) {
            gapTotal += platform::MonoClock::now() - lastReceive;
            ++gaps;
        }
        return inner_->Transmit(bytes);
    }
    platform::ReceiveResult Receive(std::span<std::uint8_t> into,
                                    platform::MonoTime until) override {
        const auto result = inner_->Receive(into, until);
        if (result.count > 0) {
            lastReceive = platform::MonoClock::now();
        }
        return result;
    }
    void PrepareTransmit(const platform::LineSettings& line) override {
        inner_->PrepareTransmit(line);
    }
    bool RecoverFromFailure() override { return inner_->RecoverFromFailure(); }
    platform::SerialLine* Serial() override { return inner_->Serial(); }

    platform::MonoTime lastReceive{};
    platform::Duration gapTotal{};
    long gaps = 0;

private:
    std::unique_ptr<platform::ByteChannel> inner_;
};

std::unique_ptr<link::hgcbox> PtyLink(const test::SimProcess& sim) {
    auto link = std::make_unique<link::hgcbox>(1);
    link->portName = sim.PtyPath();
    link->baud = 9600;
    link->attempts = 1;
    link->preambles = 5;
    link->firstByteTimeoutMs = 5000;
    link->interByteTimeoutMs = 300;
    return link;
}

// Goal: well under 5 % of a core while a controller takes 1.5 s to answer.
void BM_CpuWhileWaitingForASlowController(benchmark::State& state) {
    test::SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--reply-delay", "1500"});
    auto link = PtyLink(sim);
    if (!sim.Started() || !link->OpenPort()) {
        state.SkipWithError("simulator not available");
        return;
    }
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuStart = ProcessCpuSeconds();
        const auto wallStart = platform::MonoClock::now();
        if (!ReadTable(*link, 0, 18)) {
            state.SkipWithError("request failed");
            return;
        }
        cpu += ProcessCpuSeconds() - cpuStart;
        wall += std::chrono::duration<double>(platform::MonoClock::now() - wallStart).count();
    }
    state.counters["cpu_percent_of_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_CpuWhileWaitingForASlowController)->Iterations(3)->Unit(benchmark::kMillisecond);

// Goal: under 5 ms from the last byte of a reply to the first byte of the next request.
void BM_GapBetweenReplyAndNextRequest(benchmark::State& state) {
    test::SimProcess sim(ZOR06_SIM_PATH, {"--pty", "--line-baud", "9600"});
    auto link = PtyLink(sim);
    if (!sim.Started() || !link->OpenPort()) {
        state.SkipWithError("simulator not available");
        return;
    }
    auto channel = std::make_unique<TimingChannel>(link->DetachChannel());
    TimingChannel* timing = channel.get();
    link->AttachChannel(std::move(channel));
    for (auto _ : state) {
        if (!ReadTable(*link, 6, 12)) {
            state.SkipWithError("request failed");
            return;
        }
    }
    state.counters["gap_ms"] =
        timing->gaps == 0 ? 0.0
                          : std::chrono::duration<double, std::milli>(timing->gapTotal).count() /
                                static_cast<double>(timing->gaps);
}
BENCHMARK(BM_GapBetweenReplyAndNextRequest)->Iterations(50)->Unit(benchmark::kMillisecond);

void RequestsOverLoopbackTcp(benchmark::State& state, link::ExchangeObserver* monitor) {
    test::SimProcess sim(ZOR06_SIM_PATH, {"--tcp", "127.0.0.1:0"});
    link::hgcbox link(1);
    test::RecordingOperator op;
    link::EthernetSettings settings;
    settings.record.firstByteTimeoutMs = 5000;
    if (!sim.Started() ||
        !link::TcpConnectTo(link, settings, 1, "127.0.0.1", std::to_string(sim.TcpPort()), op)) {
        state.SkipWithError("simulator not available");
        return;
    }
    link.SetExchangeObserver(monitor);
    for (auto _ : state) {
        if (!ReadTable(link, 0, 18)) {
            state.SkipWithError("request failed");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_RequestsOverLoopbackTcp(benchmark::State& state) {
    RequestsOverLoopbackTcp(state, nullptr);
}
BENCHMARK(BM_RequestsOverLoopbackTcp)->Unit(benchmark::kMicrosecond);

// Goal: the same as without the exchange monitor, within the noise.
void BM_RequestsOverLoopbackTcpWithExchangeMonitor(benchmark::State& state) {
    link::ExchangeRing ring;
    RequestsOverLoopbackTcp(state, &ring);
    state.counters["kept"] = static_cast<double>(ring.Size());
}
BENCHMARK(BM_RequestsOverLoopbackTcpWithExchangeMonitor)->Unit(benchmark::kMicrosecond);

// What the monitor adds to each attempt: the link's two clock readings and the ring's copy of a
// longest reply. Goal: well under 1 % of an exchange over loopback.
void BM_ExchangeMonitorCostPerAttempt(benchmark::State& state) {
    link::ExchangeRing ring;
    const std::array<std::uint8_t, link::kMaxFrameLength> frame{};
    link::ExchangeView view;
    view.request = std::span(frame).first(10);
    view.reply = frame;
    platform::Clock& clock = platform::SystemClock();
    for (auto _ : state) {
        view.sentAt = clock.LocalDateTime();
        view.replyTime = clock.Now().time_since_epoch();
        ring.ExchangeDone(view);
    }
}
BENCHMARK(BM_ExchangeMonitorCostPerAttempt);

}  // namespace

BENCHMARK_MAIN();
