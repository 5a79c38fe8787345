#pragma once
// The exit statuses of every mode: the window, a script, the report. Scripts that run the
// program test for these numbers, so they never change meaning.

namespace zlx::launcher {

inline constexpr int kExitSuccess = 0;
// The run found something: a test of the report failed, was aborted or did not run.
inline constexpr int kExitFinding = 1;
// The program could not do its job: a scenario, script, instance folder or output that cannot
// be used, or a script that fails.
inline constexpr int kExitCouldNotRun = 2;
// The command line is wrong (sysexits' EX_USAGE).
inline constexpr int kExitUsage = 64;

}  // namespace zlx::launcher
