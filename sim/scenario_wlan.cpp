#include <map>

#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

std::uint32_t readSecurityFlag(const Node& n) {
    return n.value.is_boolean() ? (readBool(n) ? 1u : 0u) : readNumber<std::uint32_t>(n);
}

void readAssociation(ObjectReader& r, WlanAssociationAttributes& a) {
    std::string ssid(a.ssid.begin(), a.ssid.end());
    r.octets("ssid", "ssidHex", ssid);
    if (ssid.size() > 32)
        failAt(childPointer(r.pointer(), r.has("ssid") ? "ssid" : "ssidHex"),
               "an SSID has at most 32 octets, got " + std::to_string(ssid.size()));
    a.ssid.assign(ssid.begin(), ssid.end());
    r.optional("bssType", [&](const Node& n) {
        a.bssType = readNamed(n, {{"infrastructure", 1}, {"independent", 2}, {"any", 3}});
    });
    r.optional("bssid", [&](const Node& n) { a.bssid = readMacAddress(n); });
    r.optional("phyType", [&](const Node& n) {
        a.phyType = readNamed(n, {{"unknown", 0},
                                  {"fhss", 1},
                                  {"dsss", 2},
                                  {"irbaseband", 3},
                                  {"ofdm", 4},
                                  {"hrdsss", 5},
                                  {"erp", 6},
                                  {"ht", 7},
                                  {"vht", 8}});
    });
    r.number("phyIndex", a.phyIndex);
    r.optional("signalQuality", [&](const Node& n) {
        a.signalQuality = readNumber<std::uint32_t>(n);
        if (a.signalQuality > 100) failAt(n.pointer, "signal quality is a percentage (0 to 100)");
    });
    r.number("rxRate", a.rxRate);
    r.number("txRate", a.txRate);
}

ProfileScenario readProfile(const Node& node) {
    ProfileScenario p;
    readObject(node, [&](ObjectReader& r) {
        if (!r.has("nameHex")) r.required("name", [](const Node&) {});
        r.octets("name", "nameHex", p.name);
        r.number("flags", p.flags);
        r.string("xml", p.xml);
    });
    return p;
}

WlanPhyRadioState readPhy(const Node& node) {
    WlanPhyRadioState phy;
    readObject(node, [&](ObjectReader& r) {
        r.number("phyIndex", phy.phyIndex);
        r.optional("software", [&](const Node& n) { phy.software = readRadioState(n); });
        r.optional("hardware", [&](const Node& n) { phy.hardware = readRadioState(n); });
    });
    return phy;
}

QueryFailure readQueryFailure(const Node& node) {
    QueryFailure f;
    readObject(node, [&](ObjectReader& r) {
        r.required("opcode", [&](const Node& n) { f.opcode = readNumber<std::uint32_t>(n); });
        r.required("result", [&](const Node& n) { f.result = readNumber<std::uint32_t>(n); });
    });
    return f;
}

InterfaceScenario readInterface(const Node& node) {
    InterfaceScenario i;
    readObject(node, [&](ObjectReader& r) {
        r.required("guid", [&](const Node& n) { i.guid = readGuid(n); });
        r.string("description", i.description);
        r.boolean("guidTextFails", i.guidTextFails);
        r.boolean("present", i.present);
        r.optional("connection", [&](const Node& n) {
            if (n.value.is_null()) return;
            i.connection.emplace();
            readObject(n, [&](ObjectReader& c) { readConnection(c, *i.connection); });
        });
        i.state = i.connection ? kWlanStateConnected : kWlanStateDisconnected;
        r.optional("state", [&](const Node& n) { i.state = readInterfaceState(n); });
        r.array("profiles", [&](const Node& n) { i.profiles.push_back(readProfile(n)); });
        r.number("profileListResult", i.profileListResult);
        r.optional("radio", [&](const Node& n) {
            if (!n.value.is_array()) failAt(n.pointer, "expected a list of PHYs");
            if (n.value.size() > kWlanMaxPhys) failAt(n.pointer, "at most 64 PHYs");
            i.radio.clear();
            for (std::size_t k = 0; k < n.value.size(); ++k) {
                i.radio.push_back(readPhy(Node{n.value[k], childPointer(n.pointer, k)}));
            }
        });
        r.array("queryFailures",
                [&](const Node& n) { i.queryFailures.push_back(readQueryFailure(n)); });
        r.object("driver", [&](ObjectReader& d) { readDriver(d, i.driver); });
        r.object("ihvService", [&](ObjectReader& s) { readIhvService(s, i.ihvService); });
        r.object("interfaceStatistics",
                 [&](ObjectReader& s) { i.statistics = readInterfaceStatistics(s); });
        r.object("dynamics", [&](ObjectReader& s) { readDynamics(s, i.dynamics); });
    });
    return i;
}

}  // namespace

std::uint32_t readInterfaceState(const Node& n) {
    return readNamed(n, {{"not_ready", kWlanStateNotReady},
                         {"connected", kWlanStateConnected},
                         {"ad_hoc_network_formed", kWlanStateAdHocNetworkFormed},
                         {"disconnecting", kWlanStateDisconnecting},
                         {"disconnected", kWlanStateDisconnected},
                         {"associating", kWlanStateAssociating},
                         {"discovering", kWlanStateDiscovering},
                         {"authenticating", kWlanStateAuthenticating}});
}

std::uint32_t readRadioState(const Node& n) {
    return readNamed(n, {{"unknown", kDot11RadioStateUnknown},
                         {"on", kDot11RadioStateOn},
                         {"off", kDot11RadioStateOff}});
}

void readConnection(ObjectReader& r, ConnectionScenario& c) {
    WlanConnectionAttributes& a = c.attributes;
    r.octets("profileName", "profileNameHex", a.profileName);
    r.optional("mode", [&](const Node& n) {
        a.connectionMode = readNamed(n, {{"profile", 0},
                                         {"temporary_profile", 1},
                                         {"discovery_secure", 2},
                                         {"discovery_unsecure", 3},
                                         {"auto", 4}});
    });
    readAssociation(r, a.association);
    r.optional("securityEnabled", [&](const Node& n) { a.securityEnabled = readSecurityFlag(n); });
    r.optional("oneXEnabled", [&](const Node& n) { a.oneXEnabled = readSecurityFlag(n); });
    r.optional("authAlgorithm", [&](const Node& n) {
        a.authAlgorithm = readNamed(n, {{"open", 1},
                                        {"shared_key", 2},
                                        {"wpa", 3},
                                        {"wpa_psk", 4},
                                        {"wpa_none", 5},
                                        {"rsna", 6},
                                        {"rsna_psk", 7}});
    });
    r.optional("cipherAlgorithm", [&](const Node& n) {
        a.cipherAlgorithm = readNamed(
            n,
            {{"none", 0}, {"wep40", 1}, {"tkip", 2}, {"ccmp", 4}, {"wep104", 5}, {"wep", 0x101}});
    });
    r.number("rssi", c.rssi);
    r.optional("state", [&](const Node& n) { c.reportedState = readInterfaceState(n); });
}

void readWlan(ObjectReader& r, WlanScenario& w) {
    if (r.has("service") && r.has("openResult"))
        failAt(childPointer(r.pointer(), "service"), "give either \"service\" or \"openResult\"");
    // A stopped service refuses every client; without the Native Wifi library there is no
    // service to ask.
    r.optional("service", [&](const Node& n) {
        const std::string state = readString(n);
        if (state == "stopped")
            w.openResult = kErrorServiceNotActive;
        else if (state == "absent")
            w.openResult = kErrorModNotFound;
        else if (state != "running")
            failAt(n.pointer,
                   "expected \"running\", \"stopped\" or \"absent\", got \"" + state + "\"");
    });
    r.number("openResult", w.openResult);
    r.object("callResults", [&](ObjectReader& calls) {
        for (const char* name : kWlanCallNames)
            calls.optional(name,
                           [&](const Node& n) { w.callResults[name] = readNumber<Win32Error>(n); });
    });
    r.number("negotiatedVersion", w.negotiatedVersion);
    r.boolean("handleOnFailedOpen", w.handleOnFailedOpen);
    r.number("enumResult", w.enumResult);
    std::map<std::string, std::size_t> seen;  // GUID text -> index
    r.array("interfaces", [&](const Node& n) {
        InterfaceScenario i = readInterface(n);
        auto [it, added] = seen.emplace(formatGuid(i.guid), w.interfaces.size());
        if (!added) {
            const Place list = r.pointer().child("interfaces");
            const Place first = list.child(it->second);
            failAt(n.pointer.child("guid"), "GUID used twice (also at " + first.text() + ")");
        }
        w.interfaces.push_back(std::move(i));
    });
}

}  // namespace zlx::sim
