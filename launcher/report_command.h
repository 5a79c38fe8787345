#pragma once
// zlxdiag --report: the client-managed tests without windows, printed for scripts.

#include <ostream>

#include "launcher/options.h"

namespace zlx::launcher {

// Prints the report on `out` and the progress on `err`. Returns the exit status
// (launcher/exit_status.h): a finding when any test did not pass and was not bypassed; could not
// do its job when the scenario, the instance folder or the output cannot be used.
int runReportCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zlx::launcher
