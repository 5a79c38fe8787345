#pragma once
// The simulated ping program: answers from the scenario, its run time on the clock.

#include "platform/clock.h"
#include "platform/process.h"
#include "sim/call_log.h"
#include "sim/ping_scenario.h"
#include "sim/platform_names.h"

namespace zlx::sim {

class SimProcesses final : public Processes {
  public:
    SimProcesses(const PingScenario& ping, Clock& clock, CallLog& log);
    PingResult ping(const std::string& target, Millis limit, StopSignal& stop) override;

  private:
    PingScenario ping_;
    Clock& clock_;
    CallLog& log_;
};

}  // namespace zlx::sim
