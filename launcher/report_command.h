#pragma once
// zlxdiag --report: the client-managed tests without windows, printed for scripts.

#include <ostream>

#include "launcher/options.h"

namespace zlx::launcher {

inline constexpr int kReportUsageError = 2;

// Prints the report on `out` and the progress on `err`. Returns 0 when every test passed or was
// bypassed, 1 when any did not, 2 when the scenario or the instance folder cannot be used or
// the report cannot be written.
int runReportCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zlx::launcher
