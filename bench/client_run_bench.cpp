// A client-managed run on the real clock with a simulated ping of one second. The run waits
// 6 x 100 ms between tests plus the ping; each run's wall time over that wait is reported as
// "ratio_1", "ratio_2"..., and "ratio" is the largest of them (goal: at most 1.05).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "clientsuite/check_suite.h"
#include "platform/host.h"
#include "sim/sim_machine.h"
#include "support/temp_dir.h"
#include "ui/headless.h"
#include "wlan/interfaces.h"

namespace {

using namespace zlx;

class QuietSink final : public clientsuite::TestSink {
  public:
    void line(std::uint32_t, const std::string&) override {}
    bool waitForWindow() override { return true; }
};

void BM_ClientRunOnTheRealClock(benchmark::State& state) {
    sim::Scenario scenario = sim::loadDefaultScenario();
    scenario.ping.durationMs = 1000;
    platform::RealClock clock;
    sim::SimMachine machine(scenario, clock, sim::CallRecording::Off);
    zlx::testing::TempDir instanceDir;
    platform::host::NativeSingleInstance instance(platform::host::kInstanceMutexName,
                                                  instanceDir.path());
    platform::host::NativeNamedMutexes mutexes(instanceDir.path(), clock);
    platform::host::NativeSavedFiles saved;
    platform::Platform bundle = sim::makePlatform(machine, mutexes, instance, saved);
    ui::HeadlessServices services;
    ui::Desktop desktop(clock, services, [](int) -> std::optional<std::string> { return {}; });
    context::AppContext ctx(bundle, desktop);
    wlan::InterfaceList interfaces(bundle.wlan, bundle.rpc);
    context::WlanSelection selection;
    wlan::selectInterface(selection, bundle.wlan, bundle.rpc, interfaces.guidTexts().at(0));
    selection.selectedAdapterDescription = interfaces.descriptions().at(0);
    const double waited =
        6 * clientsuite::kPauseBetweenTests + static_cast<double>(scenario.ping.durationMs);
    std::vector<double> ratios;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        clientsuite::TestSuite suite;
        auto details = adapterinfo::buildAdapterDetails(
            adapterinfo::gatherContextOf(ctx), selection, selection.selectedAdapterDescription);
        QuietSink sink;
        platform::StopSignal stop;
        clientsuite::TestRunEnvironment env{bundle, clock, stop, selection.selectedInterface, sink};
        clientsuite::runClientTests(suite, details, env);
        std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        ratios.push_back(took.count() / waited);
    }
    for (std::size_t i = 0; i < ratios.size(); ++i)
        state.counters["ratio_" + std::to_string(i + 1)] = ratios[i];
    state.counters["ratio"] = ratios.empty() ? 0 : *std::max_element(ratios.begin(), ratios.end());
}
BENCHMARK(BM_ClientRunOnTheRealClock)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
