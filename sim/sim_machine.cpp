#include "sim/sim_machine.h"

#include "sim/windows_time.h"

namespace zlx::sim {

SimMachine::SimMachine(const Scenario& scenario, Clock& clock, CallRecording recording)
    : scenario_(scenario),
      log_(recording),
      wlan_(scenario_.wlan, clock, log_),
      registry_(scenario_.registry, log_),
      files_(scenario_.files, scenario_.machine.wow64Redirection,
             fileTimeFromLocal(scenario_.machine.localTimeStart,
                               scenario_.machine.timeZoneOffsetMinutes),
             log_),
      folders_(scenario_.folders, log_),
      system_(scenario_.machine, log_),
      codePages_(scenario_.machine.ansiCodePage, scenario_.machine.oemCodePage),
      help_(files_, log_),
      rpc_(wlan_, log_),
      ipHelper_(scenario_.network, log_),
      devices_(scenario_.devices, log_),
      processes_(scenario_.ping, clock, log_) {}

bool SimMachine::setInterfaceState(const Guid& guid, std::uint32_t state) {
    return updateInterface(guid, [state](InterfaceScenario& i) { i.state = state; });
}

bool SimMachine::setDriver(const Guid& guid, const DriverScenario& driver) {
    return updateInterface(guid, [&driver](InterfaceScenario& i) { i.driver = driver; });
}

Platform makePlatform(SimMachine& machine, NamedMutexes& mutexes, SingleInstance& instance,
                      SavedFiles& savedFiles) {
    return Platform{machine.wlan(),     machine.registry(),  machine.files(),     machine.folders(),
                    machine.system(),   machine.codePages(), machine.help(),      machine.rpc(),
                    machine.ipHelper(), machine.devices(),   machine.processes(), mutexes,
                    instance,           savedFiles};
}

}  // namespace zlx::sim
