#pragma once
// Starting another of the program's own executables: the console twin (zlxdiag.com) hands a
// run that draws a window to the GUI program (zlxdiag.exe) beside it.

#include <optional>
#include <string>

namespace zlx::platform::win32 {

// The executable `fileName` in this program's folder; none when there is no such file.
std::optional<std::wstring> companionProgram(const std::wstring& fileName);

struct CompanionRun {
    bool started = false;
    std::string error;   // why it could not start
    int exitStatus = 0;  // when it was waited for
};

// Starts `path` with this process's arguments. With `wait`, it is given this process's standard
// handles, and this process waits for it and takes its exit status; without, it is left to run
// on its own.
CompanionRun runCompanionProgram(const std::wstring& path, bool wait);

}  // namespace zlx::platform::win32
