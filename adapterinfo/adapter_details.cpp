#include "adapterinfo/adapter_details.h"

#include "adapterinfo/address_lookup.h"
#include "adapterinfo/device_binding.h"
#include "adapterinfo/driver_file.h"
#include "context/app_context.h"
#include "platform/text.h"
#include "platform/wlan_types.h"

namespace zlx::adapterinfo {

namespace {

// The gatherers in the order their keys need: the class key is found through the driver
// instance, the adapter list through the interface GUID, the driver file through the service.
void gatherAll(const GatherContext& context, AdapterInfo& info) {
    gatherDeviceBinding(context, info);
    if (!info.driverInstance.empty()) readNetCfgInstanceId(context, info);
    gatherAddresses(context, info);
    gatherDriverFile(context, info);
}

}  // namespace

AdapterDetails AdapterDetails::copyValues() const {
    AdapterDetails copy;
    copy.status = status;
    copy.serviceResult = serviceResult;
    copy.profileName = profileName;
    copy.macAddress = macAddress;
    copy.adapterName = adapterName;
    copy.driverPath = driverPath;
    copy.requestedName = requestedName;
    copy.driverInstance = driverInstance;
    copy.driverFileVersion = driverFileVersion;
    copy.serialNumber = serialNumber;
    copy.driverFileDate = driverFileDate;
    copy.driverFileLastWrite = driverFileLastWrite;
    copy.ipAddress = ipAddress;
    copy.hasAdapterName = hasAdapterName;
    copy.radioOn = radioOn;
    return copy;
}

AdapterDetails buildAdapterDetails(const GatherContext& context,
                                   const context::WlanSelection& selection,
                                   const std::string& requestedName) {
    AdapterDetails details;
    details.client = std::make_unique<wlan::ClientHandle>(context.platform.wlan);
    details.status = details.client->result();
    details.serviceResult = details.client->result();
    details.requestedName = requestedName;

    // Another thread may change the selection meanwhile: one reading serves the whole build.
    const std::string adapterName = selection.selectedAdapterDescription;
    const platform::Guid interfaceGuid = selection.selectedInterface;

    AdapterInfo info;
    if (!adapterName.empty()) {
        info.adapterName = adapterName;
        gatherAll(context, info);
    }

    {
        wlan::ConnectionSnapshot connection(context.platform.wlan, interfaceGuid);
        if (connection.result == platform::kErrorSuccess)
            details.profileName =
                platform::truncateToUtf16Units(connection.profileName, wlan::kMaxNameUnits);
    }

    details.macAddress = info.macAddress;
    details.adapterName = info.adapterName;
    details.driverPath = info.driverPath;
    details.driverInstance = info.driverInstance;
    details.driverFileVersion = info.driverFileVersion;
    details.serialNumber = info.serialNumber;
    details.driverFileDate = info.driverFileDate;
    details.driverFileLastWrite = info.driverFileLastWrite;
    details.ipAddress = info.ipAddress;

    if (!requestedName.empty()) {
        details.hasAdapterName = 1;
        details.radioOn = queryRadioOn(context.platform.wlan, interfaceGuid, details) ? 1 : 0;
    }
    return details;
}

AdapterDetails buildAdapterDetails(context::AppContext& ctx, const std::string& requestedName) {
    return buildAdapterDetails(gatherContextOf(ctx), ctx.selection, requestedName);
}

std::string driverInstanceOf(const AdapterDetails& details) {
    return details.driverInstance;
}

bool queryRadioOn(platform::WlanApi& wlan, const platform::Guid& interfaceGuid,
                  AdapterDetails& details) {
    wlan::ClientHandle handle(wlan);
    if (!handle.ok()) {
        details.status = handle.result();
        return false;
    }
    std::vector<std::uint8_t> data;
    std::uint32_t valueType = 0;
    platform::Win32Error result = wlan.queryInterface(
        handle.get(), interfaceGuid, platform::kWlanOpcodeRadioState, data, valueType);
    details.status = result;
    if (result != platform::kErrorSuccess) return false;
    // An answer too short to hold the radio state reports no radio that is on.
    auto phys = platform::decodeRadioState(data);
    if (!phys) return false;
    for (const platform::WlanPhyRadioState& phy : *phys) {
        if (phy.software == platform::kDot11RadioStateOn &&
            phy.hardware == platform::kDot11RadioStateOn)
            return true;
    }
    return false;
}

}  // namespace zlx::adapterinfo
