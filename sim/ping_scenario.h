#pragma once
// How the simulated machine's ping program answers: its output, how long it runs, whether it
// ends at all and whether it can be started.

#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/process.h"
#include "platform/windows_types.h"
#include "sim/platform_names.h"

namespace zlx::sim {

// The most of a scenario's ping output that is kept: one byte more than any ping keeps
// (kMaxPingOutput), so that a ping still finds more output than it keeps. Its JSON text is cut
// at six bytes for each of these (an escape such as \u0001 is six) and one more escaped
// surrogate pair, so what remains still holds them.
inline constexpr std::size_t kPingOutputKept = kMaxPingOutput + 1;
inline constexpr std::size_t kPingOutputTextKept = 6 * kPingOutputKept + 12;

struct PingScenario {
    std::string output;  // standard output, bytes in the OEM code page
    Millis durationMs = 0;
    bool neverEnds = false;
    Win32Error startError = kErrorSuccess;  // not 0: the program cannot be started
};

}  // namespace zlx::sim
