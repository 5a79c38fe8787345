#pragma once
// Output that a script reads: each write is flushed and checked, so a full disk or a closed
// pipe ends the run with a message and status 2 instead of a silent, cut-off result.

#include <ostream>
#include <string_view>

namespace zlx::launcher {

// Writes `text` to `out` and flushes it; false when any of what was written to `out` did not
// arrive, with `what` and the reason on `err`. Streams keep their first failure, so a last call
// with no text checks every earlier write.
bool writeChecked(std::ostream& out, std::string_view text, std::ostream& err,
                  std::string_view what);

}  // namespace zlx::launcher
