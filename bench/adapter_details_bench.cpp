// One adapter details build on the built-in machine: the device walk under the NIC mutex,
// the registry keys, the IP Helper tables, the driver file and the two wireless queries.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "adapterinfo/adapter_details.h"
#include "adapterinfo/windows_version.h"
#include "platform/clock.h"
#include "platform/host.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"

namespace {

using namespace zlx;

void BM_BuildAdapterDetails(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zlxbench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        state.SkipWithError("no temporary folder for the named mutexes");
        return;
    }
    {
        platform::ManualClock clock;
        sim::SimMachine machine(sim::loadDefaultScenario(), clock, sim::CallRecording::Off);
        platform::host::NativeNamedMutexes mutexes(pattern, clock);
        platform::host::NativeSingleInstance instance("{adapter-details-bench}", pattern);
        platform::host::NativeSavedFiles saved;
        platform::Platform platform = sim::makePlatform(machine, mutexes, instance, saved);
        context::ProductData product;
        std::uint32_t servicePack = 0;
        std::uint32_t code = adapterinfo::classifyWindowsVersion(machine.system(), servicePack);
        adapterinfo::GatherContext context{platform, product, code, servicePack};
        const auto& adapter = machine.scenario().wlan.interfaces.at(0);
        context::WlanSelection selection{adapter.guid, platform::formatGuid(adapter.guid),
                                         adapter.description};
        for (auto _ : state) {
            adapterinfo::AdapterDetails details =
                adapterinfo::buildAdapterDetails(context, selection, adapter.description);
            benchmark::DoNotOptimize(details);
        }
        state.SetItemsProcessed(state.iterations());
    }
    std::filesystem::remove_all(pattern);
}

BENCHMARK(BM_BuildAdapterDetails);

}  // namespace
