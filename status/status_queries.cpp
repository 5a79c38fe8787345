#include "status/status_queries.h"

#include "platform/bytes.h"
#include "status/status_text.h"
#include "wlan/failure_text.h"
#include "wlan/profile_xml.h"

namespace zlx::status {

RadioReading queryRadio(adapterinfo::AdapterStateContext c) {
    wlan::InterfaceQuery query(c.app.platform.wlan, c.app.selection.selectedInterface);
    platform::Win32Error result = query.query(platform::kWlanOpcodeRadioState);
    c.records.adapter.details.status = result;
    RadioReading reading;
    reading.serviceResult = query.openResult();
    reading.adapterGone = query.openResult() == platform::kErrorSuccess &&
                          !c.app.selection.selectedInterfaceText.empty() &&
                          wlan::interfaceUnknown(result);
    if (result != platform::kErrorSuccess) {
        reading.radioClass = radioClassOf(std::nullopt);
        return reading;
    }
    auto phys = platform::decodeRadioState(query.data());
    reading.radioClass = radioClassOf(phys);
    if (phys && !phys->empty()) {
        reading.hardwareOn = phys->front().hardware == platform::kDot11RadioStateOn;
        reading.softwareOn = phys->front().software == platform::kDot11RadioStateOn;
    }
    return reading;
}

std::optional<std::uint32_t> queryInterfaceState(adapterinfo::AdapterStateContext c) {
    wlan::InterfaceQuery query(c.app.platform.wlan, c.app.selection.selectedInterface);
    platform::Win32Error result = query.query(platform::kWlanOpcodeInterfaceState);
    c.records.adapter.details.status = result;
    if (result != platform::kErrorSuccess || query.data().size() < 4) return std::nullopt;
    return platform::loadLe<std::uint32_t>(query.data(), 0);
}

std::optional<std::int32_t> queryProfileEapMethod(adapterinfo::AdapterStateContext c) {
    std::string xml;
    platform::Win32Error result =
        wlan::getProfileXml(c.app.platform.wlan, c.app.selection.selectedInterface,
                            c.records.adapter.details.profileName, xml);
    c.records.adapter.details.status = result;
    if (result != platform::kErrorSuccess)
        return c.records.adapter.details.profileName.empty() ? std::optional<std::int32_t>(0)
                                                             : std::nullopt;
    auto& last = c.records.lastProfile;
    if (xml != last.xml || last.xml.empty()) {
        last.eapMethod = wlan::profileEapMethod(xml);
        last.xml = std::move(xml);
    }
    return last.eapMethod;
}

}  // namespace zlx::status
