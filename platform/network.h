#pragma once
// IP Helper (iphlpapi) and the device manager's network-class devices (setupapi). Each table
// keeps the two-call size protocol: a call with a buffer too small reports the size needed.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/windows_types.h"

namespace zlx::platform {

// IP_ADAPTER_INFO, the fields the system reads. Texts are ANSI bytes as the service gives them.
struct IpAdapterInfo {
    std::string adapterName;  // the adapter's GUID in braces
    std::string description;
    std::vector<std::uint8_t> address;  // physical address, 0 to 8 octets
    std::uint32_t index = 0;
    std::uint32_t type = 71;
    std::uint32_t dhcpEnabled = 0;
    std::vector<std::string> ipAddresses;  // "a.b.c.d"
    std::vector<std::string> ipMasks;
    std::string gateway;
    std::string dhcpServer;
};

// MIB_IFROW, the fields the system reads.
struct IfRow {
    std::string name;
    std::uint32_t index = 0;
    std::uint32_t type = 71;
    std::vector<std::uint8_t> physicalAddress;
    std::uint32_t operStatus = 0;
    std::string description;
};

// IP_ADAPTER_ADDRESSES, the fields the system reads.
struct IpAdapterAddresses {
    std::string adapterName;
    std::string description;
    std::string friendlyName;
    std::vector<std::uint8_t> physicalAddress;
    std::uint32_t ifIndex = 0;
    std::vector<std::string> unicastAddresses;
};

class IpHelper {
  public:
    virtual ~IpHelper() = default;
    // `bufferSize` in bytes; on kErrorBufferOverflow / kErrorInsufficientBuffer `neededSize`
    // is filled and the vector stays empty.
    virtual Win32Error adaptersInfo(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                    std::vector<IpAdapterInfo>& adapters) = 0;
    virtual Win32Error ifTable(std::uint32_t bufferSize, std::uint32_t& neededSize,
                               std::vector<IfRow>& rows) = 0;
    virtual Win32Error adaptersAddresses(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                         std::vector<IpAdapterAddresses>& adapters) = 0;
};

// Device registry properties (SPDRP_*).
inline constexpr std::uint32_t kSpdrpDeviceDesc = 0;
inline constexpr std::uint32_t kSpdrpService = 4;
inline constexpr std::uint32_t kSpdrpDriver = 9;
inline constexpr std::uint32_t kSpdrpFriendlyName = 12;

// One device of the network class as SetupDiGetClassDevs / SetupDiGetDeviceRegistryProperty
// show it.
struct NetworkDevice {
    std::string instanceId;  // empty when SetupDiGetDeviceInstanceIdW gives nothing
    std::vector<std::string> hardwareIds;
    std::string description;   // SPDRP_DEVICEDESC
    std::string friendlyName;  // SPDRP_FRIENDLYNAME, empty when the device has none
    std::string driverKey;     // SPDRP_DRIVER
    std::string service;       // SPDRP_SERVICE
    bool present = true;
    // The SPDRP_* codes of the properties the device does not have: reading one fails with
    // ERROR_INVALID_DATA. Every other property reads as its text above, even an empty one.
    std::vector<std::uint32_t> missingProperties;

    bool hasProperty(std::uint32_t property) const {
        for (std::uint32_t missing : missingProperties)
            if (missing == property) return false;
        return true;
    }
};

class DeviceManager {
  public:
    virtual ~DeviceManager() = default;
    // All network-class devices, present or not (DIGCF_PRESENT is the caller's filter).
    virtual Win32Error networkDevices(std::vector<NetworkDevice>& devices) = 0;
};

}  // namespace zlx::platform
