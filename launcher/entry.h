#pragma once

#include <string>
#include <vector>

namespace zlx::launcher {

// Reads a script file; false (with `error` set) when it cannot be read.
bool readTextFile(const std::string& path, std::string& text, std::string& error);

// What the program shows at start, as text: the headless run of a short built-in script.
inline constexpr const char* kReportScript = "advance 2000\ndump\n";

}  // namespace zlx::launcher
