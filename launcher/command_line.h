#pragma once
// What every front end's main() does first: the options, the help and the version, the report,
// and reading the script file.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "launcher/options.h"

namespace zlx::launcher {

struct CommandLineStart {
    // Set when the run is over already: the process's exit status.
    std::optional<int> exitStatus;
    LaunchOptions options;
    // The script to run: the file's, or the short built-in one that shows the window as text.
    std::string script;
};

CommandLineStart startCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& err);

}  // namespace zlx::launcher
