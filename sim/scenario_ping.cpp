#include "sim/scenario_sections.h"

namespace zlx::sim {

void readPing(ObjectReader& r, PingScenario& ping) {
    r.octets("output", "outputHex", ping.output);
    if (ping.output.size() > kPingOutputKept) ping.output.resize(kPingOutputKept);
    r.optional("durationMs", [&](const Node& n) {
        ping.durationMs = static_cast<Millis>(readNumber<std::uint32_t>(n));
    });
    r.boolean("neverEnds", ping.neverEnds);
    r.number("startError", ping.startError);
}

}  // namespace zlx::sim
