#include <algorithm>

#include "platform/bytes.h"
#include "sim/driver_requests.h"
#include "sim/ihv_service.h"
#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

// A flag byte of the link status block: true and false, or the byte itself.
std::uint8_t readFlagByte(const Node& n) {
    return n.value.is_boolean() ? (readBool(n) ? 1 : 0) : readNumber<std::uint8_t>(n);
}

void readLinkStatus(ObjectReader& r, LinkStatusBlock& s) {
    r.optional("bssid", [&](const Node& n) { s.bssid = readMacAddress(n); });
    r.number("txPowerCode", s.txPowerCode);
    r.number("channel", s.channel);
    r.number("frequencyMhz", s.frequencyMhz);
    r.number("rawQuality", s.rawQuality);
    r.number("qualityPercent", s.qualityPercent);
    r.optional("mfp", [&](const Node& n) { s.mfp = readFlagByte(n); });
    r.optional("wmm", [&](const Node& n) { s.wmm = readFlagByte(n); });
    r.optional("shortPreamble", [&](const Node& n) { s.shortPreamble = readFlagByte(n); });
    r.number("upTimeMs", s.upTimeMs);
    r.optional("phyCapabilities", [&](const Node& n) {
        if (!n.value.is_array() || n.value.size() > kLinkStatusCapabilities) {
            failAt(n.pointer, "expected a list of at most 14 capability codes");
        }
        for (std::size_t i = 0; i < n.value.size(); ++i) {
            s.phyCapabilities.push_back(
                readNumber<std::uint32_t>(Node{n.value[i], childPointer(n.pointer, i)}));
        }
    });
}

void readStatistics(ObjectReader& r, DriverStatistics& s) {
    for (const StatisticsCounter& c : kStatisticsCounters) r.number(c.name, s.*c.field);
}

DriverOverride readOverride(const Node& node) {
    DriverOverride o;
    readObject(node, [&](ObjectReader& r) {
        r.required("code", [&](const Node& n) { o.code = readNumber<std::uint32_t>(n); });
        r.required("result", [&](const Node& n) { o.result = readNumber<std::uint32_t>(n); });
        r.required("bytesReturned",
                   [&](const Node& n) { o.bytesReturned = readNumber<std::uint32_t>(n); });
    });
    return o;
}

IhvEvent readIhvEvent(const Node& node) {
    IhvEvent e;
    readObject(node, [&](ObjectReader& r) {
        r.optional("delayMs", [&](const Node& n) {
            e.delayMs = static_cast<Millis>(readNumber<std::uint32_t>(n));
        });
        bool hasEvent = r.has("event"), hasPayload = r.has("payload");
        if (hasEvent == hasPayload) {
            failAt(node.pointer, "an event has either \"event\" (with \"second\") or \"payload\"");
        }
        if (hasPayload && r.has("second")) {
            failAt(childPointer(node.pointer, "second"), "\"second\" goes with \"event\"");
        }
        std::uint32_t event = 0, second = 0;
        r.optional("event", [&](const Node& n) { event = readNumber<std::uint32_t>(n); });
        r.number("second", second);
        if (hasEvent) e.payload = ihvEventPayload(event, second);
        r.optional("payload", [&](const Node& n) {
            e.payload = readHexBytes(n);
            e.raw = true;
        });
    });
    return e;
}

}  // namespace

void readDriver(ObjectReader& r, DriverScenario& d) {
    r.boolean("refuseAll", d.refuseAll);
    r.string("vendorDescription", d.vendorDescription);
    r.number("txRate", d.txRate);
    r.number("rxRate", d.rxRate);
    r.object("channel", [&](ObjectReader& c) {
        c.number("frequencyMhz", d.channelFrequencyMhz);
        c.number("number", d.channelNumber);
        c.number("modeBits", d.wirelessModeBits);
    });
    r.optional("countryCode", [&](const Node& n) {
        std::string code = readString(n);
        if (code.size() != 2) failAt(n.pointer, "expected two letters, such as \"US\"");
        std::copy(code.begin(), code.end(), d.countryCode.begin());
    });
    r.number("countryExtra", d.countryCode[2]);
    r.number("txPower", d.txPower);
    r.object("linkStatus", [&](ObjectReader& s) { readLinkStatus(s, d.linkStatus); });
    r.object("statistics", [&](ObjectReader& s) { readStatistics(s, d.statistics); });
    r.number("powerSaveLevel", d.powerSaveLevel);
    r.array("unsupportedCodes",
            [&](const Node& n) { d.unsupportedCodes.push_back(readNumber<std::uint32_t>(n)); });
    r.array("overrides", [&](const Node& n) { d.overrides.push_back(readOverride(n)); });
}

void readIhvService(ObjectReader& r, IhvServiceScenario& s) {
    r.number("controlResult", s.controlResult);
    r.array("onEnter", [&](const Node& n) { s.onEnter.push_back(readIhvEvent(n)); });
    r.array("onLeave", [&](const Node& n) { s.onLeave.push_back(readIhvEvent(n)); });
}

}  // namespace zlx::sim
