#include "adapterinfo/address_lookup.h"

#include <algorithm>

#include "adapterinfo/windows_version.h"
#include "platform/text.h"

namespace zlx::adapterinfo {

namespace {

void fromAddressList(const GatherContext& context, AdapterInfo& info) {
    // A GUID that is not known names no adapter, not one whose name happens to be empty.
    if (info.netCfgInstanceId.empty()) return;
    platform::IpHelper& ip = context.platform.ipHelper;
    std::uint32_t needed = 0;
    std::vector<platform::IpAdapterAddresses> adapters;
    platform::Win32Error sized = ip.adaptersAddresses(0, needed, adapters);
    if (sized != platform::kErrorBufferOverflow && sized != platform::kErrorInsufficientBuffer)
        return;
    if (ip.adaptersAddresses(needed, needed, adapters) != platform::kErrorSuccess) return;
    for (const platform::IpAdapterAddresses& adapter : adapters) {
        if (context.platform.codePages.ansiToUtf8(adapter.adapterName) != info.netCfgInstanceId)
            continue;
        info.macAddress = formatMacAddress(adapter.physicalAddress);
        return;
    }
}

// The interface table matches by description: a row whose description begins with the adapter
// name, or is the beginning of it, is the adapter. A row without a description names nothing.
bool descriptionMatches(const std::u16string& description, const std::u16string& name,
                        std::size_t descriptionBytes) {
    std::size_t n = std::min(descriptionBytes, name.size());
    if (n == 0) return false;
    if (description.size() < n) return false;
    return std::equal(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(n),
                      description.begin());
}

void fromInterfaceTable(const GatherContext& context, AdapterInfo& info) {
    platform::IpHelper& ip = context.platform.ipHelper;
    std::uint32_t needed = 0;
    std::vector<platform::IfRow> rows;
    if (ip.ifTable(1, needed, rows) != platform::kErrorInsufficientBuffer) return;
    if (ip.ifTable(needed, needed, rows) != platform::kErrorSuccess || rows.empty()) return;
    std::u16string name = platform::utf8ToUtf16(info.adapterName);
    for (const platform::IfRow& row : rows) {
        std::u16string description =
            platform::utf8ToUtf16(context.platform.codePages.ansiToUtf8(row.description));
        if (!descriptionMatches(description, name, row.description.size())) continue;
        info.macAddress = formatMacAddress(row.physicalAddress);
        return;
    }
}

void fromLegacyTables(const GatherContext& context, AdapterInfo& info) {
    info.macAddress.clear();
    platform::IpHelper& ip = context.platform.ipHelper;
    std::uint32_t needed = 0;
    std::vector<platform::IpAdapterInfo> adapters;
    platform::Win32Error sized = ip.adaptersInfo(0, needed, adapters);
    if (sized != platform::kErrorSuccess && sized != platform::kErrorBufferOverflow) return;
    if (needed == 0 || ip.adaptersInfo(needed, needed, adapters) != platform::kErrorSuccess) return;
    std::string wanted = context.platform.codePages.utf8ToAnsi(info.netCfgInstanceId);
    for (const platform::IpAdapterInfo& adapter : adapters) {
        if (wanted.empty() || adapter.adapterName != wanted) continue;
        info.macAddress = formatMacAddress(adapter.address);
        if (!adapter.ipAddresses.empty())
            info.ipAddress = context.platform.codePages.ansiToUtf8(adapter.ipAddresses.front());
        return;
    }
    fromInterfaceTable(context, info);
}

}  // namespace

AddressPath addressPathFor(std::uint32_t osVersionCode, std::uint32_t servicePackMajor) {
    if (osVersionCode == kOsWindowsXp) {
        return servicePackMajor == 1 ? AddressPath::Legacy : AddressPath::AddressList;
    }
    return osVersionCode == kOsWindowsXpX64 ? AddressPath::AddressList : AddressPath::Legacy;
}

void gatherAddresses(const GatherContext& context, AdapterInfo& info) {
    if (addressPathFor(context.osVersionCode, context.servicePackMajor) == AddressPath::AddressList)
        fromAddressList(context, info);
    else
        fromLegacyTables(context, info);
}

std::string formatMacAddress(std::span<const std::uint8_t> address) {
    if (address.size() < 6) return {};
    std::string text;
    platform::appendHexBytes(text, address.first(6), '-');
    return text;
}

}  // namespace zlx::adapterinfo
