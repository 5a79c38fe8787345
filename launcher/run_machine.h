#pragma once
// The machine a run diagnoses: the simulated one a scenario describes or, on Windows without
// --scenario, the one the program runs on. Every front end asks chooseMachine() for it.

#include <optional>
#include <ostream>

#include "launcher/options.h"
#include "sim/scenario.h"

namespace zlx::launcher {

struct RunMachine {
    RunMachine() = default;
    // NOLINTNEXTLINE(google-explicit-constructor): a scenario is the machine it describes
    RunMachine(sim::Scenario described) : scenario(std::move(described)) {}

    // The simulated machine's description; none for the machine the program runs on.
    std::optional<sim::Scenario> scenario;

    bool real() const { return !scenario; }
};

// Windows without --scenario: the real machine. Otherwise the scenario --scenario names, or the
// built-in one. Nothing (and a message on `err`) when the scenario is refused.
std::optional<RunMachine> chooseMachine(const LaunchOptions& options, std::ostream& err);

// Whether this build can diagnose the machine it runs on (only the Windows one can).
bool hasRealMachine();

}  // namespace zlx::launcher
