#pragma once
// Output that a script reads: each write is flushed and checked, so a full disk or a closed
// pipe ends the run with a message and status 2 instead of a silent, cut-off result.

#include <ostream>
#include <string_view>

namespace zlx::launcher {

// Writes `text` to `out` and flushes it; false, with the reason on `err`, when it could not
// be written whole.
bool writeChecked(std::ostream& out, std::string_view text, std::ostream& err);

}  // namespace zlx::launcher
