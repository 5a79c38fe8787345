#include <algorithm>

#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

WlanPhyFrameStatistics readPhyStatistics(const Node& node) {
    WlanPhyFrameStatistics phy;
    readObject(node, [&](ObjectReader& r) {
        r.number("retry", phy.retryCount);
        r.number("failed", phy.failedCount);
        r.number("ackFailure", phy.ackFailureCount);
        r.number("duplicate", phy.frameDuplicateCount);
    });
    return phy;
}

LinkEvent readLinkEvent(const Node& node) {
    LinkEvent e;
    readObject(node, [&](ObjectReader& r) {
        r.required("atMs", [&](const Node& n) {
            e.atMs = static_cast<Millis>(readNumber<std::uint32_t>(n));
        });
        r.optional("state", [&](const Node& n) { e.state = readInterfaceState(n); });
        r.optional("radioSoftware", [&](const Node& n) { e.radioSoftware = readRadioState(n); });
        r.optional("radioHardware", [&](const Node& n) { e.radioHardware = readRadioState(n); });
        r.optional("bssid", [&](const Node& n) { e.bssid = readMacAddress(n); });
        r.optional("channel", [&](const Node& n) { e.channel = readNumber<std::uint8_t>(n); });
        r.optional("frequencyMhz",
                   [&](const Node& n) { e.frequencyMhz = readNumber<std::uint16_t>(n); });
        r.optional("statisticsResult",
                   [&](const Node& n) { e.statisticsResult = readNumber<std::uint32_t>(n); });
        r.optional("present", [&](const Node& n) { e.present = readBool(n); });
    });
    return e;
}

}  // namespace

WlanStatistics readInterfaceStatistics(ObjectReader& r) {
    WlanStatistics s;
    r.number("unicastTransmitted", s.unicastTransmitted);
    r.number("multicastTransmitted", s.multicastTransmitted);
    r.number("unicastReceived", s.unicastReceived);
    r.number("multicastReceived", s.multicastReceived);
    r.optional("phys", [&](const Node& n) {
        if (!n.value.is_array()) failAt(n.pointer, "expected a list of PHYs");
        if (n.value.size() > kWlanMaxPhys) failAt(n.pointer, "at most 64 PHYs");
        for (std::size_t k = 0; k < n.value.size(); ++k)
            s.phys.push_back(readPhyStatistics(Node{n.value[k], childPointer(n.pointer, k)}));
    });
    return s;
}

void readDynamics(ObjectReader& r, LinkDynamics& d) {
    r.number("rssiSwingDbm", d.rssiSwingDbm);
    r.number("qualitySwingPercent", d.qualitySwingPercent);
    r.optional("swingPeriodMs", [&](const Node& n) {
        d.swingPeriodMs = static_cast<Millis>(readNumber<std::uint32_t>(n));
        if (d.swingPeriodMs == 0) failAt(n.pointer, "the period must be above 0");
    });
    if (d.rssiSwingDbm < 0 || d.rssiSwingDbm > 100)
        failAt(childPointer(r.pointer(), "rssiSwingDbm"), "expected 0 to 100");
    if (d.qualitySwingPercent > 100)
        failAt(childPointer(r.pointer(), "qualitySwingPercent"), "expected 0 to 100");
    r.boolean("upTimeGrows", d.upTimeGrows);
    r.optional("counterRates", [&](const Node& n) {
        if (!n.value.is_object()) failAt(n.pointer, "expected counter names with their rates");
        const std::vector<std::string_view> names = linkCounterNames();
        for (const auto& [name, value] : n.value.items()) {
            const Place at = n.pointer.child(name);
            if (std::find(names.begin(), names.end(), name) == names.end())
                failAt(at, "no counter is called \"" + name + "\"");
            d.counterRates.push_back({name, readNumber<std::uint32_t>(Node{value, at})});
        }
    });
    r.array("events", [&](const Node& n) {
        LinkEvent e = readLinkEvent(n);
        if (!d.events.empty() && e.atMs < d.events.back().atMs)
            failAt(childPointer(n.pointer, "atMs"), "events go in time order");
        d.events.push_back(e);
    });
}

}  // namespace zlx::sim
