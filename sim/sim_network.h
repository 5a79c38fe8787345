#pragma once
// The simulated IP Helper tables and the device manager's network devices.

#include "platform/network.h"
#include "sim/call_log.h"
#include "sim/platform_names.h"
#include "sim/scenario.h"

namespace zlx::sim {

// Bytes each record takes in the caller's buffer, for the size the two-call protocol reports.
inline constexpr std::uint32_t kAdapterInfoRecordSize = 704;       // IP_ADAPTER_INFO
inline constexpr std::uint32_t kIfRowRecordSize = 860;             // MIB_IFROW
inline constexpr std::uint32_t kIfTableHeaderSize = 4;             // MIB_IFTABLE's count
inline constexpr std::uint32_t kAdapterAddressesRecordSize = 448;  // IP_ADAPTER_ADDRESSES

class SimIpHelper final : public IpHelper {
  public:
    SimIpHelper(const NetworkScenario& network, CallLog& log);

    Win32Error adaptersInfo(std::uint32_t bufferSize, std::uint32_t& neededSize,
                            std::vector<IpAdapterInfo>& adapters) override;
    Win32Error ifTable(std::uint32_t bufferSize, std::uint32_t& neededSize,
                       std::vector<IfRow>& rows) override;
    Win32Error adaptersAddresses(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                 std::vector<IpAdapterAddresses>& adapters) override;

  private:
    NetworkScenario network_;
    CallLog& log_;
};

class SimDeviceManager final : public DeviceManager {
  public:
    SimDeviceManager(const std::vector<NetworkDevice>& devices, CallLog& log);
    Win32Error networkDevices(std::vector<NetworkDevice>& devices) override;

  private:
    std::vector<NetworkDevice> devices_;
    CallLog& log_;
};

}  // namespace zlx::sim
