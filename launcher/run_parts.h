#pragma once
// The parts of a run that can refuse it: the scenario, the script, the instance scope; and
// running the program with its script, which every kind of run ends with.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "launcher/instance_scope.h"
#include "launcher/options.h"
#include "platform/host.h"
#include "platform/termination_signals.h"
#include "scriptmode/script.h"
#include "scriptmode/script_runner.h"
#include "sim/scenario.h"

namespace zlx::launcher {

// The scenario the options name, or the built-in one; nothing (and a message on `err`) when it
// is refused.
std::optional<sim::Scenario> loadScenario(const LaunchOptions& options, std::ostream& err);
// The script's commands; nothing (and a message on `err`) when it does not parse.
std::optional<std::vector<scriptmode::Command>> loadScript(const std::string& scriptText,
                                                           std::ostream& err);

class Program;

// The instance scope (platform/host.h) every copy of the interactive program shares; nothing
// (and a message on `err`) when it cannot be trusted.
std::optional<std::string> sharedInstanceScope(std::ostream& err);

// Where a scripted or report run keeps its kernel objects. Such a run works on a simulated
// machine, so by default they live in its own process, and an open copy of the program never
// turns it into a silent second instance. Only a scope that ZLXDIAG_INSTANCE_DIR names
// explicitly makes it take part in the single-instance protocol, as the interactive program
// does; nothing (and a message on `err`) when that scope cannot be trusted.
std::optional<InstanceScope> scriptedInstanceScope(std::ostream& err);

// Runs `program` with the system's arguments while `runner` feeds it; a script error, or
// commands left when the program ends, end the run with a message on `err` and status 2, as does a
// transcript that cannot be written. A run that
// `terminations` ended returns 128 + signal.
int runScripted(Program& program, const scriptmode::ScriptRunner& runner,
                const std::vector<std::string>& systemArguments, std::ostream& out,
                std::ostream& err, const platform::TerminationSignals* terminations = nullptr);

// Runs `program`; a single-instance lock that cannot be used ends it with its message on `err`
// and status 1.
int runProgram(Program& program, const std::vector<std::string>& systemArguments,
               std::ostream& err);

}  // namespace zlx::launcher
