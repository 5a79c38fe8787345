#pragma once
// zlxdiag --status and --watch: what the status pages show, on the command line, once or as a
// time series.

#include <ostream>

#include "launcher/options.h"

namespace zlx::launcher {

// One snapshot after the first refresh of the status pages (two seconds after start, on the
// simulated machine's manual clock). Returns the exit status.
int runStatusCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err);

// The snapshot every interval, with the events between samples, until --count samples or
// Ctrl+C; on the real clock unless --manual-clock. Returns the exit status.
int runWatchCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zlx::launcher
