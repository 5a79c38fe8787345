#include "platform/sim/sim_ping.h"

#include <algorithm>

namespace zlx::platform::sim {

SimProcesses::SimProcesses(const PingScenario& ping, Clock& clock, CallLog& log)
    : ping_(ping), clock_(clock), log_(log) {}

PingResult SimProcesses::ping(const std::string& target, Millis limit, StopSignal& stop) {
    PingResult result;
    std::string call = "ping(" + quoted(target) + ", limit=" + std::to_string(limit) + ")";
    if (ping_.startError != kErrorSuccess) {
        result.startResult = ping_.startError;
        log_.record(call + " -> not started " + std::to_string(result.startResult));
        return result;
    }
    bool endsInTime = !ping_.neverEnds && ping_.durationMs <= limit;
    Millis runs = endsInTime ? ping_.durationMs : limit;
    if (!stop.sleepFor(clock_, runs)) {
        result.stopped = true;
        log_.record(call + " -> stopped");
        return result;
    }
    if (!endsInTime) {
        result.timedOut = true;
        log_.record(call + " -> ended at the limit");
        return result;
    }
    result.keepOutput(ping_.output);
    log_.record(call + " -> " + std::to_string(ping_.output.size()) + " bytes after " +
                std::to_string(runs) + " ms");
    return result;
}

}  // namespace zlx::platform::sim
