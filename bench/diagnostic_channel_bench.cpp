// The notification routine per event, and listing the profiles of an adapter with 100 profiles.

#include <benchmark/benchmark.h>

#include "context/app_context.h"
#include "diagchannel/notification_client.h"
#include "platform/host.h"
#include "sim/ihv_service.h"
#include "sim/sim_machine.h"
#include "support/temp_dir.h"
#include "troubleshooting/profile_eligibility.h"
#include "ui/headless.h"
#include "wlan/interfaces.h"

namespace {

using namespace zlx;

struct Program {
    explicit Program(const sim::Scenario& scenario)
        : machine(scenario, clock, sim::CallRecording::Off),
          instance(platform::host::kInstanceMutexName, instanceDir.path()),
          mutexes(instanceDir.path(), clock),
          bundle(sim::makePlatform(machine, mutexes, instance, saved)),
          desktop(clock, services, [](int) -> std::optional<std::string> { return {}; }),
          context(bundle, desktop),
          notifications(context) {}
    platform::ManualClock clock;
    zlx::testing::TempDir instanceDir;  // private: a shared folder's files could be links
    sim::SimMachine machine;
    platform::host::NativeSingleInstance instance;
    platform::host::NativeNamedMutexes mutexes;
    platform::host::NativeSavedFiles saved;
    platform::Platform bundle;
    ui::HeadlessServices services;
    ui::Desktop desktop;
    context::AppContext context;
    diagchannel::NotificationClient notifications;
};

void BM_NotificationRoutine(benchmark::State& state) {
    Program p(sim::loadDefaultScenario());
    p.context.runState.setRunState(context::RunState::Testing);
    const platform::WlanNotification n = sim::ihvNotification(0x80000007);
    for (auto _ : state) {
        p.notifications.onNotification(n);
        // The posted line waits in the queue; drop it as the window would take it.
        if (state.iterations() % 1024 == 0) p.desktop.dispatchAll();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NotificationRoutine);

void BM_ListHundredProfiles(benchmark::State& state) {
    sim::Scenario scenario = sim::loadDefaultScenario();
    auto& profiles = scenario.wlan.interfaces.at(0).profiles;
    const auto model = profiles.at(0);
    profiles.clear();
    for (int i = 0; i < 100; ++i) {
        auto p = model;
        p.name = "Profile " + std::to_string(i);
        profiles.push_back(p);
    }
    Program p(scenario);
    std::string guid = platform::formatGuid(scenario.wlan.interfaces.at(0).guid);
    for (auto _ : state) {
        // Every profile is fetched and parsed, as the page's profile list does.
        wlan::selectInterface(p.context.selection, p.bundle.wlan, p.bundle.rpc, guid);
        int eligible = 0;
        for (int i = 0; i < 100; ++i)
            eligible += troubleshooting::isZlxProfile(p.context, "Profile " + std::to_string(i));
        benchmark::DoNotOptimize(eligible);
    }
}
BENCHMARK(BM_ListHundredProfiles)->Unit(benchmark::kMicrosecond);

}  // namespace
