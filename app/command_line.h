#pragma once

#include <string>
#include <vector>

#include "context/app_context.h"

namespace zlx::app {

// The system's own options, each argument compared whole after lower-casing. Service control
// messages are suppressed exactly when "-u" is present and "-d" is not, in any order; every
// other argument is ignored.
void applyCommandLine(const std::vector<std::string>& arguments, context::CommandLineFlags& flags);

}  // namespace zlx::app
