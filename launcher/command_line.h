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

// Reads a script file; false (with `error` set) when it cannot be read.
bool readTextFile(const std::string& path, std::string& text, std::string& error);

// What the program shows at start, as text: the headless run of a short built-in script.
inline constexpr const char* kReportScript = "advance 2000\ndump\n";

CommandLineStart startCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& err);

}  // namespace zlx::launcher
