#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zlx::launcher {

// Reads a script file; false (with `error` set) when it cannot be read.
bool readTextFile(const std::string& path, std::string& text, std::string& error);

// Flushes `out`; when any of what was written to it did not arrive, says so on `err` (naming
// `what`) and returns false. Streams keep their first failure, so one check covers every write.
bool finishOutput(std::ostream& out, std::ostream& err, const std::string& what);

// What the program shows at start, as text: the headless run of a short built-in script.
inline constexpr const char* kReportScript = "advance 2000\ndump\n";

}  // namespace zlx::launcher
