// One private driver request through the simulated machine: handle open, IHV control, close.
// Beside it, in the same run, the least any channel does for the same answer: a memcpy of its
// bytes. "ratio" is the request's CPU time over the memcpy's (goal: at most 30); both are
// timed on the thread's CPU clock, so other programs on a busy machine do not count.

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <ctime>

#include "platform/clock.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"
#include "wlan/driver_channel.h"

namespace {

using namespace zlx;

double threadCpuNanos() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// Requests and copies alternate in rounds of this many, so both see the same machine load.
constexpr int kRound = 256;

void BM_DriverRequest(benchmark::State& state, wlan::DriverRequestCode code) {
    platform::ManualClock clock;
    sim::SimMachine machine(sim::loadDefaultScenario(), clock, sim::CallRecording::Off);
    platform::Guid adapter = machine.scenario().wlan.interfaces.at(0).guid;
    bool serviceControlOff = false;
    wlan::DriverChannel channel(machine.wlan(), adapter, serviceControlOff, {0x02, 0x5A, 0x58});

    const wlan::DriverAnswer sample = channel.sendDriverRequest(code);
    const std::size_t bytes = sample.size;
    std::array<std::uint8_t, wlan::kMaxDriverAnswer> copy{};

    double requestTime = 0, copyTime = 0;
    for (auto _ : state) {
        const double start = threadCpuNanos();
        for (int i = 0; i < kRound; ++i) {
            wlan::DriverAnswer answer = channel.sendDriverRequest(code);
            benchmark::DoNotOptimize(answer);
        }
        const double middle = threadCpuNanos();
        for (int i = 0; i < kRound; ++i) {
            benchmark::DoNotOptimize(sample.bytes.data());
            std::memcpy(copy.data(), sample.bytes.data(), bytes);
            benchmark::DoNotOptimize(copy.data());
            benchmark::ClobberMemory();
        }
        const double end = threadCpuNanos();
        requestTime += middle - start;
        copyTime += end - middle;
    }
    const double n = static_cast<double>(state.iterations()) * kRound;
    state.SetItemsProcessed(static_cast<std::int64_t>(n));
    state.counters["answer_bytes"] = static_cast<double>(bytes);
    state.counters["request_ns"] = requestTime / n;
    state.counters["memcpy_ns"] = copyTime / n;
    state.counters["ratio"] = requestTime / copyTime;
}

BENCHMARK_CAPTURE(BM_DriverRequest, tx_rate, wlan::REQ_TX_RATE);
BENCHMARK_CAPTURE(BM_DriverRequest, link_status, wlan::REQ_LINK_STATUS);

}  // namespace
