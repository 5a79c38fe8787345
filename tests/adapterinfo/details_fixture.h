#pragma once
// A simulated machine with the real named mutexes in a private scope, the selection of its
// first wireless interface and the version classification it reports: what one adapter
// details build reads.

#include <memory>
#include <string>

#include "adapterinfo/adapter_details.h"
#include "adapterinfo/windows_version.h"
#include "context/app_context.h"
#include "platform/host.h"
#include "sim/scenario.h"
#include "sim/sim_machine.h"

namespace zlx::testing {

inline std::string scenarioPath(const std::string& name) {
    return std::string(ZLX_SOURCE_DIR) + "/scenarios/" + name;
}

class DetailsFixture {
  public:
    explicit DetailsFixture(sim::Scenario scenario)
        : scenario_(std::move(scenario)),
          clock_(scenario_.machine.localTimeStart),
          machine_(std::make_unique<sim::SimMachine>(scenario_, clock_)),
          mutexes_(scope_.path(), clock_),
          instance_("{adapterinfo-test}", scope_.path()),
          platform_(sim::makePlatform(*machine_, mutexes_, instance_, saved_)) {
        osVersionCode = adapterinfo::classifyWindowsVersion(machine_->system(), servicePackMajor);
        machine_->calls().takeNew();
        if (!scenario_.wlan.interfaces.empty()) {
            const auto& first = scenario_.wlan.interfaces.front();
            selection.selectedInterface = first.guid;
            selection.selectedInterfaceText = platform::formatGuid(first.guid);
            selection.selectedAdapterDescription = first.description;
        }
    }
    static DetailsFixture shipped(const std::string& name) {
        return DetailsFixture(sim::loadScenarioFile(scenarioPath(name)));
    }
    static DetailsFixture fromJson(const std::string& json) {
        return DetailsFixture(sim::parseScenario(json, "test.json"));
    }
    DetailsFixture(const DetailsFixture&) = delete;
    DetailsFixture& operator=(const DetailsFixture&) = delete;

    adapterinfo::GatherContext context() {
        return adapterinfo::GatherContext{platform_, product, osVersionCode, servicePackMajor};
    }
    adapterinfo::AdapterDetails build(const std::string& requestedName) {
        return adapterinfo::buildAdapterDetails(context(), selection, requestedName);
    }
    adapterinfo::AdapterDetails build() { return build(selection.selectedAdapterDescription); }

    sim::SimMachine& machine() { return *machine_; }
    platform::ManualClock& clock() { return clock_; }
    platform::NamedMutexes& mutexes() { return mutexes_; }
    platform::Platform& platform() { return platform_; }
    const sim::Scenario& scenario() const { return scenario_; }
    // The calls made since the previous look.
    std::vector<std::string> calls() { return machine_->calls().takeNew(); }

    context::ProductData product;
    context::WlanSelection selection;
    std::uint32_t osVersionCode = 0;
    std::uint32_t servicePackMajor = 0;

  private:
    platform::host::PrivateInstanceScope scope_;
    sim::Scenario scenario_;
    platform::ManualClock clock_;
    std::unique_ptr<sim::SimMachine> machine_;
    platform::host::NativeNamedMutexes mutexes_;
    platform::host::NativeSingleInstance instance_;
    platform::host::NativeSavedFiles saved_;
    platform::Platform platform_;
};

}  // namespace zlx::testing
