#pragma once
// AdapterInfo: the gathering record of one adapter details build, filled by the gatherers in
// turn, and what they read besides it.

#include <cstdint>
#include <string>

#include "context/app_context.h"
#include "platform/platform.h"

namespace zlx::adapterinfo {

// Every field starts empty; a gatherer that finds nothing leaves its fields so.
struct AdapterInfo {
    std::string adapterName;       // the selected adapter's description: the matching key
    std::string serviceName;       // the device's driver service ("?" when it has none)
    std::string driverInstance;    // the instance number below the network class key
    std::string netCfgInstanceId;  // the interface GUID in braces, as the class key holds it
    std::string macAddress;
    std::string ipAddress;
    std::string driverPath;
    std::string driverFileVersion;
    std::string driverFileDate;
    std::string driverFileLastWrite;  // the same date in ISO 8601 with the machine's offset
    std::string serialNumber;         // no source supplies it
};

// The platform, the product's hardware identifiers and the Windows version classification.
struct GatherContext {
    platform::Platform& platform;
    const context::ProductData& product;
    std::uint32_t osVersionCode = 0;
    std::uint32_t servicePackMajor = 0;
};

inline GatherContext gatherContextOf(context::AppContext& ctx) {
    return GatherContext{ctx.platform, ctx.product, ctx.osVersionCode, ctx.servicePackMajor};
}

}  // namespace zlx::adapterinfo
