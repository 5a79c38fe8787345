#pragma once
// The program as a person uses it: the real clock, Qt's dialogs and event loop, the windows
// on the screen. Returns when the main window closes.

#include <ostream>

#include "launcher/options.h"

namespace zlx::qt {

// Needs a QApplication. Returns the program's exit status, or 1 for a scenario that cannot be
// used.
int runInteractive(const launcher::LaunchOptions& options, std::ostream& err);

}  // namespace zlx::qt
