#pragma once
// `zlxdiag --script FILE` without --headless: the script drives the program on the manual
// clock as in a headless run, and the Qt front end draws every window. Message boxes and save
// dialogs are answered from the script, so the transcript is the headless one, line for line;
// "shot NAME" writes pictures of the windows when --screenshot names a folder (and is ignored
// otherwise, as in a headless run).

#include <ostream>
#include <string>

#include "launcher/options.h"

namespace zlx::qt {

// Needs a QApplication. Returns the exit status: 0, 1 for a scenario that cannot be used, 2
// for a script error.
int runScriptOnQt(const launcher::LaunchOptions& options, const std::string& scriptText,
                  std::ostream& out, std::ostream& err);

}  // namespace zlx::qt
