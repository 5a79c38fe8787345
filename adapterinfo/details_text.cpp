#include "adapterinfo/details_text.h"

#include <cstdio>

namespace zlx::adapterinfo {

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

void line(std::string& out, const char* name, const std::string& value) {
    out += name;
    out += ':';
    if (!value.empty()) out += ' ' + escaped(value);
    out += '\n';
}

}  // namespace

std::string formatAdapterDetails(const AdapterDetails& d) {
    std::string out;
    line(out, "clientHandle", d.client && d.client->ok() ? "open" : "none");
    line(out, "status", std::to_string(d.status));
    line(out, "profileName", d.profileName);
    line(out, "macAddress", d.macAddress);
    line(out, "adapterName", d.adapterName);
    line(out, "driverPath", d.driverPath);
    line(out, "requestedName", d.requestedName);
    line(out, "driverInstance", d.driverInstance);
    line(out, "driverFileVersion", d.driverFileVersion);
    line(out, "serialNumber", d.serialNumber);
    line(out, "driverFileDate", d.driverFileDate);
    line(out, "driverFileLastWrite", d.driverFileLastWrite);
    line(out, "ipAddress", d.ipAddress);
    line(out, "hasAdapterName", std::to_string(d.hasAdapterName));
    line(out, "radioOn", std::to_string(d.radioOn));
    return out;
}

}  // namespace zlx::adapterinfo
