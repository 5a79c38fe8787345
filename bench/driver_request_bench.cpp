// One private driver request through the simulated machine: handle open, IHV control, close.

#include <benchmark/benchmark.h>

#include "platform/clock.h"
#include "platform/sim/scenario.h"
#include "platform/sim/sim_machine.h"
#include "wlan/driver_channel.h"

namespace {

using namespace zlx;

void BM_DriverRequest(benchmark::State& state, wlan::DriverRequestCode code) {
    platform::ManualClock clock;
    platform::sim::SimMachine machine(platform::sim::loadDefaultScenario(), clock);
    platform::Guid adapter = machine.scenario().wlan.interfaces.at(0).guid;
    bool serviceControlOff = false;
    wlan::DriverChannel channel(machine.wlan(), adapter, serviceControlOff, {0x02, 0x5A, 0x58});
    for (auto _ : state) {
        wlan::DriverAnswer answer = channel.sendDriverRequest(code);
        benchmark::DoNotOptimize(answer);
        // The machine records every call; keep the record from growing without end.
        if (state.iterations() % 4096 == 0) machine.calls().takeNew();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(BM_DriverRequest, tx_rate, wlan::REQ_TX_RATE);
BENCHMARK_CAPTURE(BM_DriverRequest, link_status, wlan::REQ_LINK_STATUS);

}  // namespace
