#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

std::vector<std::uint8_t> readPhysicalAddress(const Node& n) {
    auto bytes = readHexBytes(n);
    if (bytes.size() > 8) failAt(n.pointer, "a physical address has at most 8 octets");
    return bytes;
}

IpAdapterInfo readAdapterInfo(const Node& node) {
    IpAdapterInfo a;
    readObject(node, [&](ObjectReader& r) {
        r.string("adapterName", a.adapterName);
        r.string("description", a.description);
        r.optional("address", [&](const Node& n) { a.address = readPhysicalAddress(n); });
        r.number("index", a.index);
        r.number("type", a.type);
        r.optional("dhcpEnabled", [&](const Node& n) {
            a.dhcpEnabled = n.value.is_boolean() ? readBool(n) : readNumber<std::uint32_t>(n);
        });
        r.optional("ipAddresses", [&](const Node& n) { a.ipAddresses = readStringList(n); });
        r.optional("ipMasks", [&](const Node& n) { a.ipMasks = readStringList(n); });
        r.string("gateway", a.gateway);
        r.string("dhcpServer", a.dhcpServer);
    });
    return a;
}

IfRow readIfRow(const Node& node) {
    IfRow row;
    readObject(node, [&](ObjectReader& r) {
        r.string("name", row.name);
        r.number("index", row.index);
        r.number("type", row.type);
        r.optional("physicalAddress",
                   [&](const Node& n) { row.physicalAddress = readPhysicalAddress(n); });
        r.number("operStatus", row.operStatus);
        r.string("description", row.description);
    });
    return row;
}

IpAdapterAddresses readAdapterAddresses(const Node& node) {
    IpAdapterAddresses a;
    readObject(node, [&](ObjectReader& r) {
        r.string("adapterName", a.adapterName);
        r.string("description", a.description);
        r.string("friendlyName", a.friendlyName);
        r.optional("physicalAddress",
                   [&](const Node& n) { a.physicalAddress = readPhysicalAddress(n); });
        r.number("ifIndex", a.ifIndex);
        r.optional("unicastAddresses",
                   [&](const Node& n) { a.unicastAddresses = readStringList(n); });
    });
    return a;
}

NetworkDevice readDevice(const Node& node) {
    NetworkDevice d;
    readObject(node, [&](ObjectReader& r) {
        r.string("instanceId", d.instanceId);
        r.optional("hardwareIds", [&](const Node& n) { d.hardwareIds = readStringList(n); });
        r.string("description", d.description);
        r.string("friendlyName", d.friendlyName);
        r.string("driverKey", d.driverKey);
        r.string("service", d.service);
        r.boolean("present", d.present);
        r.array("missingProperties", [&](const Node& n) {
            d.missingProperties.push_back(readNamed(n, {{"description", kSpdrpDeviceDesc},
                                                        {"service", kSpdrpService},
                                                        {"driverKey", kSpdrpDriver},
                                                        {"friendlyName", kSpdrpFriendlyName}}));
        });
    });
    return d;
}

void readSizeQueryFailures(ObjectReader& r, SizeQueryFailures& failures) {
    auto result = [&](std::string_view key, std::optional<Win32Error>& out) {
        r.optional(key, [&](const Node& n) { out = readNumber<Win32Error>(n); });
    };
    result("adaptersInfo", failures.adaptersInfo);
    result("ifTable", failures.ifTable);
    result("adaptersAddresses", failures.adaptersAddresses);
}

}  // namespace

void readNetwork(ObjectReader& r, NetworkScenario& n) {
    r.array("adaptersInfo",
            [&](const Node& item) { n.adaptersInfo.push_back(readAdapterInfo(item)); });
    r.array("ifTable", [&](const Node& item) { n.ifTable.push_back(readIfRow(item)); });
    r.array("adaptersAddresses",
            [&](const Node& item) { n.adaptersAddresses.push_back(readAdapterAddresses(item)); });
    r.object("sizeQueryFailures",
             [&](ObjectReader& failures) { readSizeQueryFailures(failures, n.sizeQueryFailures); });
}

std::vector<NetworkDevice> readDevices(const Node& node) {
    if (!node.value.is_array()) failAt(node.pointer, "expected a list of devices");
    std::vector<NetworkDevice> devices;
    for (std::size_t i = 0; i < node.value.size(); ++i) {
        devices.push_back(readDevice(Node{node.value[i], childPointer(node.pointer, i)}));
    }
    return devices;
}

}  // namespace zlx::sim
