#pragma once
// How the simulated machine's ping program answers: its output, how long it runs, whether it
// ends at all and whether it can be started.

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/windows_types.h"
#include "sim/platform_names.h"

namespace zlx::sim {

struct PingScenario {
    std::string output;  // standard output, bytes in the OEM code page
    Millis durationMs = 0;
    bool neverEnds = false;
    Win32Error startError = kErrorSuccess;  // not 0: the program cannot be started
};

}  // namespace zlx::sim
