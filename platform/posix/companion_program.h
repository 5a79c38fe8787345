#pragma once
// Starting another of the program's own executables in place of this process. The window front
// end is such a program: the command-line modes then never map a GUI toolkit.

#include <optional>
#include <string>

namespace zlx::platform::posix {

// The executable `name` beside this one (a build folder), or in `installedFolder`, a folder
// relative to this one's (an installed tree); none when neither holds a runnable file.
std::optional<std::string> companionProgram(const std::string& name,
                                            const std::string& installedFolder);

// Runs `path` in place of this process with this process's arguments and environment.
// Returns only when that failed, with the reason.
std::string replaceProcess(const std::string& path, char** argv);

}  // namespace zlx::platform::posix
