// One private driver request through the simulated machine: handle open, IHV control, close.
// Beside it, in the same run, the least any channel does for the same answer: a memcpy of its
// bytes. "ratio" is the request's CPU time over the memcpy's (goal: at most 30); both are
// timed on the thread's CPU clock, so other programs on a busy machine do not count. Reading
// that clock costs a few hundred nanoseconds, as much as a hundred copies: the copies are timed
// in blocks long enough for it not to matter, and its cost, measured in the same run, is taken
// off both sides.

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>

#include "thread_cpu.h"

#include "platform/clock.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"
#include "wlan/driver_channel.h"

namespace {

using namespace zlx;
using bench::clockReadNanos;
using bench::threadCpuNanos;

// Requests and copies alternate in rounds, so both see the same machine load; a round of
// copies takes about as long as a round of requests.
constexpr int kRound = 256;
constexpr int kCopyRound = 16 * kRound;

void BM_DriverRequest(benchmark::State& state, wlan::DriverRequestCode code) {
    platform::ManualClock clock;
    sim::SimMachine machine(sim::loadDefaultScenario(), clock, sim::CallRecording::Off);
    platform::Guid adapter = machine.scenario().wlan.interfaces.at(0).guid;
    bool serviceControlOff = false;
    wlan::DriverChannel channel(machine.wlan(), adapter, serviceControlOff, {0x02, 0x5A, 0x58});

    const wlan::DriverAnswer sample = channel.sendDriverRequest(code);
    const std::size_t bytes = sample.size;
    std::array<std::uint8_t, wlan::kMaxDriverAnswer> copy{};

    const double clockRead = clockReadNanos();
    double requestTime = 0, copyTime = 0;
    for (auto _ : state) {
        const double start = threadCpuNanos();
        for (int i = 0; i < kRound; ++i) {
            wlan::DriverAnswer answer = channel.sendDriverRequest(code);
            benchmark::DoNotOptimize(answer);
        }
        const double middle = threadCpuNanos();
        for (int i = 0; i < kCopyRound; ++i) {
            benchmark::DoNotOptimize(sample.bytes.data());
            std::memcpy(copy.data(), sample.bytes.data(), bytes);
            benchmark::DoNotOptimize(copy.data());
            benchmark::ClobberMemory();
        }
        const double end = threadCpuNanos();
        // Each interval holds one reading of the clock besides its own work.
        requestTime += middle - start - clockRead;
        copyTime += end - middle - clockRead;
    }
    const double rounds = static_cast<double>(state.iterations());
    const double requestNs = requestTime / (rounds * kRound);
    const double copyNs = copyTime / (rounds * kCopyRound);
    state.SetItemsProcessed(static_cast<std::int64_t>(rounds * kRound));
    state.counters["answer_bytes"] = static_cast<double>(bytes);
    state.counters["clock_read_ns"] = clockRead;
    state.counters["request_ns"] = requestNs;
    state.counters["memcpy_ns"] = copyNs;
    state.counters["ratio"] = requestNs / copyNs;
}

BENCHMARK_CAPTURE(BM_DriverRequest, tx_rate, wlan::REQ_TX_RATE);
BENCHMARK_CAPTURE(BM_DriverRequest, link_status, wlan::REQ_LINK_STATUS);

}  // namespace
