#pragma once
// --adapter NAME|GUID: the wireless interface a command-line mode reads, for --report, --status
// and --watch alike.

#include <optional>
#include <ostream>

#include "clientsuite/report_run.h"
#include "launcher/options.h"
#include "launcher/program.h"

namespace zlx::launcher {

// The interface --adapter names (its description or its GUID, letter case and braces aside),
// or the first one when it is not given. Nothing, with the interfaces there are on `err`, when
// the name matches none.
std::optional<clientsuite::ReportAdapter> namedAdapter(Program& program,
                                                       const LaunchOptions& options,
                                                       std::ostream& err);

}  // namespace zlx::launcher
