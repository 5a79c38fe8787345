#pragma once

#include <ostream>
#include <string>

#include "launcher/options.h"

namespace zlx::launcher {

// Runs the program with the headless desktop and the manual clock, executing `scriptText`;
// the transcript goes to `out`, errors to `err`. Returns the exit status: 0, 1 for a scenario
// that cannot be used, 2 for a script error.
int runHeadless(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
                std::ostream& err);


}  // namespace zlx::launcher
