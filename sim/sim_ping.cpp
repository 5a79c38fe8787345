#include "sim/sim_ping.h"

#include <algorithm>

namespace zlx::sim {

SimProcesses::SimProcesses(const PingScenario& ping, Clock& clock, CallLog& log)
    : ping_(ping), clock_(clock), log_(log) {}

PingResult SimProcesses::ping(const std::string& target, Millis limit, StopSignal& stop) {
    PingResult result;
    auto call = [&target, limit] {
        return "ping(" + quoted(target) + ", limit=" + std::to_string(limit) + ")";
    };
    if (ping_.startError != kErrorSuccess) {
        result.startResult = ping_.startError;
        if (log_.kept())
            log_.record([c = call(), r = result.startResult] {
                return c + " -> not started " + std::to_string(r);
            });
        return result;
    }
    bool endsInTime = !ping_.neverEnds && ping_.durationMs <= limit;
    Millis runs = endsInTime ? ping_.durationMs : limit;
    if (!stop.sleepFor(clock_, runs)) {
        result.stopped = true;
        if (log_.kept()) log_.record([c = call()] { return c + " -> stopped"; });
        return result;
    }
    if (!endsInTime) {
        // What it printed before the limit is kept, as the real programs' pipes keep it.
        result.timedOut = true;
        result.keepOutput(ping_.output);
        if (log_.kept()) log_.record([c = call()] { return c + " -> ended at the limit"; });
        return result;
    }
    result.keepOutput(ping_.output);
    if (log_.kept())
        log_.record([c = call(), size = ping_.output.size(), runs] {
            return c + " -> " + std::to_string(size) + " bytes after " + std::to_string(runs) +
                   " ms";
        });
    return result;
}

}  // namespace zlx::sim
