#pragma once
// The whole program on a simulated machine, driven step by step: a manual clock, the headless
// desktop, and a private scope for the cross-process objects so tests never meet each other.

#include <memory>
#include <string>

#include "launcher/program.h"
#include "platform/host.h"
#include "sim/scenario.h"
#include "ui/headless.h"

namespace zlx::testing {

class ProgramFixture {
  public:
    explicit ProgramFixture(const std::string& scenarioJson)
        : ProgramFixture(sim::parseScenario(scenarioJson, "test.json")) {}
    // A run that never reads the calls can leave them unrecorded, as an ordinary run does.
    explicit ProgramFixture(sim::Scenario scenario,
                            sim::CallRecording recording = sim::CallRecording::Kept)
        : scenario_(std::move(scenario)),
          clock_(scenario_.machine.localTimeStart),
          program_(scenario_, clock_, services_,
                   launcher::InstanceScope::shared(instanceScope_.path()), 0x10000, recording),
          driver_(program_.desktop(), clock_) {
        driver_.setInput(&input_);
    }
    static ProgramFixture defaultMachine() { return ProgramFixture(sim::loadDefaultScenario()); }

    // Queues the user's next action; runs when the program is at rest.
    ProgramFixture& then(std::function<void()> step) {
        input_.then(std::move(step));
        return *this;
    }
    // Runs the program until the steps run out (the desktop then quits every window).
    int run(std::vector<std::string> arguments = {}) { return program_.run(arguments); }

    launcher::Program& program() { return program_; }
    context::AppContext& context() { return program_.context(); }
    ui::Desktop& desktop() { return program_.desktop(); }
    sim::SimMachine& machine() { return *program_.simulated(); }
    ui::HeadlessServices& services() { return services_; }
    ui::HeadlessDriver& driver() { return driver_; }
    platform::ManualClock& clock() { return clock_; }
    const std::string& instanceScope() const { return instanceScope_.path(); }

  private:
    platform::host::PrivateInstanceScope instanceScope_;
    sim::Scenario scenario_;
    platform::ManualClock clock_;
    ui::HeadlessServices services_;
    launcher::Program program_;
    ui::HeadlessDriver driver_;
    ui::StepInput input_;
};

}  // namespace zlx::testing
