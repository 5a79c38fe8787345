#pragma once
// The simulated Windows machine: every operating-system service of one scenario, the record of
// the calls they received, and the few controls that tests use to change the machine while the
// program runs.

#include <functional>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/platform.h"
#include "sim/call_log.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"
#include "sim/sim_files.h"
#include "sim/sim_network.h"
#include "sim/sim_ping.h"
#include "sim/sim_registry.h"
#include "sim/sim_system.h"
#include "sim/sim_wlan.h"

namespace zlx::sim {

class SimMachine {
  public:
    // All timing (the IHV service's events) goes through `clock`, which must outlive the
    // machine. The machine's notification thread ends with it. The calls it receives are
    // recorded (calls(), ihvRequests()) only with CallRecording::Kept.
    SimMachine(const Scenario& scenario, Clock& clock,
               CallRecording recording = CallRecording::Kept);
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    WlanApi& wlan() { return wlan_; }
    Registry& registry() { return registry_; }
    FileSystem& files() { return files_; }
    Folders& folders() { return folders_; }
    SystemInfo& system() { return system_; }
    CodePages& codePages() { return codePages_; }
    HelpDisplay& help() { return help_; }
    void setHelpViewer(SimHelpDisplay::Viewer viewer) { help_.setViewer(std::move(viewer)); }
    Rpc& rpc() { return rpc_; }
    IpHelper& ipHelper() { return ipHelper_; }
    DeviceManager& devices() { return devices_; }
    Processes& processes() { return processes_; }

    CallLog& calls() { return log_; }
    // The scenario as loaded; changes made through updateInterface() are not reflected here.
    const Scenario& scenario() const { return scenario_; }

    // Leak checks.
    std::size_t openWlanHandles() const { return wlan_.openHandles(); }
    std::size_t openRegistryKeys() const { return registry_.openKeys(); }
    // Every WlanIhvControl call with its bytes, while calls are kept.
    std::vector<IhvRequest> ihvRequests() const { return wlan_.ihvRequests(); }

    // Changes an interface (its state, connection, driver answers, IHV scripts...) while the
    // program runs; false when the scenario has no such interface.
    bool updateInterface(const Guid& guid, const std::function<void(InterfaceScenario&)>& edit) {
        return wlan_.updateInterface(guid, edit);
    }
    bool setInterfaceState(const Guid& guid, std::uint32_t state);
    bool setDriver(const Guid& guid, const DriverScenario& driver);

  private:
    Scenario scenario_;
    CallLog log_;
    SimWlan wlan_;
    SimRegistry registry_;
    SimFiles files_;
    SimFolders folders_;
    SimSystemInfo system_;
    SimCodePages codePages_;
    SimHelpDisplay help_;
    SimRpc rpc_;
    SimIpHelper ipHelper_;
    SimDeviceManager devices_;
    SimProcesses processes_;
};

// The bundle main() passes down: the machine's services plus the kernel facilities that stay
// real on the simulated machine.
Platform makePlatform(SimMachine& machine, NamedMutexes& mutexes, SingleInstance& instance,
                      SavedFiles& savedFiles);

}  // namespace zlx::sim
