#pragma once
// The runs that draw windows with the Win32 renderer.

#include <ostream>
#include <string>

#include "launcher/options.h"

namespace zlx::win32 {

// `zlxdiag --script FILE` without --headless: the script drives the program on the manual clock
// as in a headless run, and Windows draws every window. Message boxes and save dialogs are
// answered from the script, so the transcript is the headless one, line for line; "shot NAME"
// writes pictures of the windows when --screenshot names a folder (and is ignored otherwise).
// Returns the exit status, as a headless run does (launcher/exit_status.h).
int runScriptOnWin32(const launcher::LaunchOptions& options, const std::string& scriptText,
                     std::ostream& out, std::ostream& err);

// The program as a person uses it: the real clock, Windows' own dialogs and message loop, the
// windows on the screen. Returns the program's exit status when the main window closes, or
// launcher::kExitCouldNotRun for a scenario or instance scope that cannot be used.
int runInteractive(const launcher::LaunchOptions& options, std::ostream& err);

}  // namespace zlx::win32
