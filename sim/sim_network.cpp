#include "sim/sim_network.h"

#include <optional>

namespace zlx::sim {

namespace {

// The two-call protocol shared by the three tables: a buffer too small gets `tooSmall` and the
// size needed, or the scenario's `refusal` without a size; an empty table is `emptyResult`.
template <typename Record>
Win32Error fillTable(const std::vector<Record>& table, std::uint32_t header,
                     std::uint32_t recordSize, Win32Error tooSmall, Win32Error emptyResult,
                     const std::optional<Win32Error>& refusal, std::uint32_t bufferSize,
                     std::uint32_t& neededSize, std::vector<Record>& out) {
    out.clear();
    if (table.empty() && emptyResult != kErrorSuccess) return emptyResult;
    std::uint32_t needed = header + static_cast<std::uint32_t>(table.size()) * recordSize;
    if (bufferSize < needed) {
        if (refusal) return *refusal;
        neededSize = needed;
        return tooSmall;
    }
    out = table;
    return kErrorSuccess;
}

std::string tableLine(const char* call, std::uint32_t bufferSize, Win32Error result,
                      std::uint32_t neededSize, std::size_t count) {
    std::string line = std::string(call) + "(size=" + std::to_string(bufferSize) + ") -> " +
                       std::to_string(result);
    if (result == kErrorBufferOverflow || result == kErrorInsufficientBuffer) {
        return line + " needed=" + std::to_string(neededSize);
    }
    return line + " count=" + std::to_string(count);
}

}  // namespace

SimIpHelper::SimIpHelper(const NetworkScenario& network, CallLog& log)
    : network_(network), log_(log) {}

Win32Error SimIpHelper::adaptersInfo(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                     std::vector<IpAdapterInfo>& adapters) {
    Win32Error result = fillTable(
        network_.adaptersInfo, 0, kAdapterInfoRecordSize, kErrorBufferOverflow, kErrorNoData,
        network_.sizeQueryFailures.adaptersInfo, bufferSize, neededSize, adapters);
    log_.record([bufferSize, result, neededSize, count = adapters.size()] {
        return tableLine("GetAdaptersInfo", bufferSize, result, neededSize, count);
    });
    return result;
}

Win32Error SimIpHelper::ifTable(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                std::vector<IfRow>& rows) {
    Win32Error result =
        fillTable(network_.ifTable, kIfTableHeaderSize, kIfRowRecordSize, kErrorInsufficientBuffer,
                  kErrorSuccess, network_.sizeQueryFailures.ifTable, bufferSize, neededSize, rows);
    log_.record([bufferSize, result, neededSize, count = rows.size()] {
        return tableLine("GetIfTable", bufferSize, result, neededSize, count);
    });
    return result;
}

Win32Error SimIpHelper::adaptersAddresses(std::uint32_t bufferSize, std::uint32_t& neededSize,
                                          std::vector<IpAdapterAddresses>& adapters) {
    Win32Error result =
        fillTable(network_.adaptersAddresses, 0, kAdapterAddressesRecordSize, kErrorBufferOverflow,
                  kErrorNoData, network_.sizeQueryFailures.adaptersAddresses, bufferSize,
                  neededSize, adapters);
    log_.record([bufferSize, result, neededSize, count = adapters.size()] {
        return tableLine("GetAdaptersAddresses", bufferSize, result, neededSize, count);
    });
    return result;
}

SimDeviceManager::SimDeviceManager(const std::vector<NetworkDevice>& devices, CallLog& log)
    : devices_(devices), log_(log) {}

Win32Error SimDeviceManager::networkDevices(std::vector<NetworkDevice>& devices) {
    devices = devices_;
    log_.record([count = devices.size()] {
        return "SetupDiGetClassDevs(net) -> 0 count=" + std::to_string(count);
    });
    return kErrorSuccess;
}

}  // namespace zlx::sim
