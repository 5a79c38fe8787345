#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "launcher/options.h"
#include "platform/sim/scenario.h"
#include "scriptmode/script.h"

namespace zlx::launcher {

// Runs the program with the headless desktop and the manual clock, executing `scriptText`;
// the transcript goes to `out`, errors to `err`. Returns the exit status: 0, 1 for a scenario
// or an instance folder or lock that cannot be used, 2 for a script error.
// The scenario the options name, or the built-in one; nothing (and a message on `err`) when it
// is refused.
std::optional<platform::sim::Scenario> loadScenario(const LaunchOptions& options,
                                                    std::ostream& err);
// The script's commands; nothing (and a message on `err`) when it does not parse.
std::optional<std::vector<scriptmode::Command>> loadScript(const std::string& scriptText,
                                                           std::ostream& err);

// The instance folder; nothing (and a message on `err`) when it cannot be trusted.
std::optional<std::string> instanceFolder(std::ostream& err);

class SimulatedProgram;

// Runs `program`; a single-instance lock that cannot be used ends it with its message on `err`
// and status 1.
int runProgram(SimulatedProgram& program, const std::vector<std::string>& systemArguments,
               std::ostream& err);

// Runs `program` with the system's arguments while a script feeds it; a script error ends the
// run with its message on `err` and status 2.
int runScripted(SimulatedProgram& program, const std::vector<std::string>& systemArguments,
                std::ostream& out, std::ostream& err);

int runHeadless(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
                std::ostream& err);

}  // namespace zlx::launcher
