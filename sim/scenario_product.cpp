// The "product" section: the vendor's hardware identifiers and the network vendor's OUI that
// the program uses on this machine instead of its built-in product data. The forms are checked
// here, so that a scenario with a misspelt identifier is refused at start; the program reads
// the section again with its own product-data reader.

#include <cctype>

#include "platform/text.h"
#include "sim/scenario_sections.h"

namespace zlx::sim {

namespace {

std::string readIdentifier(const Node& n, std::string_view form, std::string_view example) {
    std::string text = readString(n);
    if (!matchesHexForm(text, form)) {
        failAt(n.pointer, "expected the form \"" + std::string(example) +
                              "\" (upper-case hexadecimal digits), got \"" + text + "\"");
    }
    return text;
}

std::string hexPair(std::uint8_t byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0xF]};
}

}  // namespace

std::string readProduct(const Node& node) {
    Json out = Json::object();
    readObject(node, [&](ObjectReader& r) {
        r.optional("vendorPciPrefix", [&](const Node& n) {
            out["vendorPciPrefix"] = readIdentifier(n, "PCI\\VEN_hhhh", "PCI\\VEN_1B7A");
        });
        r.optional("vendorUsbPrefix", [&](const Node& n) {
            out["vendorUsbPrefix"] = readIdentifier(n, "USB\\VID_hhhh", "USB\\VID_2F1A");
        });
        r.optional("excludedSubsystems", [&](const Node& n) {
            if (!n.value.is_array() || n.value.size() != 4)
                failAt(n.pointer, "expected a list of four subsystem fragments");
            Json list = Json::array();
            for (std::size_t i = 0; i < 4; ++i) {
                list.push_back(readIdentifier({n.value[i], childPointer(n.pointer, i)},
                                              "SUBSYS_hhhhhhh", "SUBSYS_00421C4"));
            }
            out["excludedSubsystems"] = list;
        });
        r.optional("partnerUsbId", [&](const Node& n) {
            out["partnerUsbId"] =
                readIdentifier(n, "USB\\VID_hhhh&PID_hhhh", "USB\\VID_0C9D&PID_7A21");
        });
        r.optional("networkVendorOui", [&](const Node& n) {
            auto bytes = readHexBytes(n);
            if (bytes.size() != 3) failAt(n.pointer, "expected three octets, such as \"02-5A-58\"");
            out["networkVendorOui"] =
                hexPair(bytes[0]) + "-" + hexPair(bytes[1]) + "-" + hexPair(bytes[2]);
        });
    });
    return out.dump();
}

}  // namespace zlx::sim
