// The adapter selections a run makes before its first page (at start, then the Diagnostics
// page's) on a machine of 1,000 and of 4,000 wireless interfaces, the vendor's adapter last.
// Each interface is asked for its vendor text once a selection, so the work is linear in the
// interfaces at best: "ratio" is the CPU time on 4,000 against that on 1,000, measured in
// turns in the same run (goal: at most 6, four times the interfaces plus room).

#include <benchmark/benchmark.h>

#include <ctime>

#include "adapterinfo/adapter_state.h"
#include "app/process_start.h"
#include "launcher/program.h"
#include "platform/host.h"
#include "sim/scenario.h"
#include "ui/headless.h"

namespace {

using namespace zlx;

double threadCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The built-in machine with its adapter copied `count` times under GUIDs of their own; only
// the last keeps the vendor's name.
sim::Scenario machineOf(std::size_t count) {
    sim::Scenario scenario = sim::loadDefaultScenario();
    const sim::InterfaceScenario vendor = scenario.wlan.interfaces.at(0);
    scenario.wlan.interfaces.clear();
    for (std::size_t k = 0; k < count; ++k) {
        sim::InterfaceScenario copy = vendor;
        copy.guid.bytes[0] = static_cast<std::uint8_t>(k);
        copy.guid.bytes[1] = static_cast<std::uint8_t>(k >> 8);
        if (k + 1 < count) {
            copy.description = "Adapter " + std::to_string(k);
            copy.driver = {};
        }
        scenario.wlan.interfaces.push_back(std::move(copy));
    }
    return scenario;
}

// The CPU time of the two selections on `scenario`.
double selectionSeconds(const sim::Scenario& scenario) {
    platform::host::PrivateInstanceScope scope;
    platform::ManualClock clock(scenario.machine.localTimeStart);
    ui::HeadlessServices services;
    launcher::Program program(scenario, clock, services,
                              launcher::InstanceScope::shared(scope.path()), 0x10000);
    adapterinfo::AdapterStateContext state = program.application().adapterState();
    const double start = threadCpuSeconds();
    app::initialiseProcess(state);
    adapterinfo::selectForDiagnosticsPage(state);
    return threadCpuSeconds() - start;
}

void BM_SelectionOnManyInterfaces(benchmark::State& state) {
    const sim::Scenario small = machineOf(1000), large = machineOf(4000);
    double smallSeconds = 0, largeSeconds = 0;
    for (auto _ : state) {
        smallSeconds += selectionSeconds(small);
        largeSeconds += selectionSeconds(large);
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["ms_1000"] = smallSeconds / runs * 1e3;
    state.counters["ms_4000"] = largeSeconds / runs * 1e3;
    state.counters["ratio"] = largeSeconds / smallSeconds;
}
BENCHMARK(BM_SelectionOnManyInterfaces)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
