// The link's dynamics over extreme rates, event times and spans of time: no undefined
// behaviour, no hang, and the link read step by step (each event applied once and kept) is the
// link read afresh at every moment.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "sim/link_dynamics.h"
#include "sim/scenario.h"

namespace {

using namespace zlx::platform;
using namespace zlx::sim;

bool sameLink(const InterfaceScenario& a, const InterfaceScenario& b) {
    return a.state == b.state && a.driver.linkStatus.upTimeMs == b.driver.linkStatus.upTimeMs &&
           a.driver.linkStatus.channel == b.driver.linkStatus.channel &&
           a.driver.statistics.beaconsReceived == b.driver.statistics.beaconsReceived &&
           a.queryFailures.size() == b.queryFailures.size() &&
           (a.statistics ? a.statistics->unicastReceived : 0) ==
               (b.statistics ? b.statistics->unicastReceived : 0) &&
           (a.connection ? a.connection->rssi : 0) == (b.connection ? b.connection->rssi : 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Scenario machine = loadDefaultScenario();
    if (machine.wlan.interfaces.empty()) std::abort();
    FuzzedDataProvider in(data, size);
    InterfaceScenario base = machine.wlan.interfaces.front();
    LinkDynamics& d = base.dynamics;
    // The ranges a scenario file allows.
    d.rssiSwingDbm = in.ConsumeIntegralInRange<std::int32_t>(0, 100);
    d.qualitySwingPercent = in.ConsumeIntegralInRange<std::uint32_t>(0, 100);
    d.swingPeriodMs =
        in.ConsumeIntegralInRange<Millis>(1, std::numeric_limits<std::uint32_t>::max());
    d.upTimeGrows = in.ConsumeBool();
    const char* counters[] = {"beaconsReceived", "unicastReceived", "phyRetry"};
    for (const char* name : counters)
        if (in.ConsumeBool()) d.counterRates.push_back({name, in.ConsumeIntegral<std::uint32_t>()});
    Millis at = 0;
    std::size_t events = in.ConsumeIntegralInRange<std::size_t>(0, 2000);
    for (std::size_t k = 0; k < events && in.remaining_bytes() > 0; ++k) {
        LinkEvent e;
        at = std::min<Millis>(at + in.ConsumeIntegralInRange<Millis>(0, 1 << 28),
                              std::numeric_limits<std::uint32_t>::max());
        e.atMs = at;
        if (in.ConsumeBool()) e.state = in.PickValueInArray({0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u});
        if (in.ConsumeBool()) e.channel = in.ConsumeIntegral<std::uint8_t>();
        if (in.ConsumeBool()) e.statisticsResult = in.ConsumeIntegralInRange<std::uint32_t>(0, 2);
        if (in.ConsumeBool()) e.radioHardware = in.ConsumeBool() ? 1u : 2u;
        d.events.push_back(e);
    }
    // Readings forward in time, with spans up to centuries; now and then one goes back.
    LiveLink kept;
    Millis now = 0;
    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        Millis span =
            in.ConsumeIntegralInRange<Millis>(0, Millis{1} << in.ConsumeIntegralInRange(0, 42));
        now = in.ConsumeIntegralInRange(0, 15) == 0 ? now / 2 : now + span;
        if (!sameLink(kept.at(base, now), liveInterface(base, now))) std::abort();
    }
    return 0;
}
