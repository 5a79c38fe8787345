#pragma once
// Adapter MAC and IP address lookup in the IP Helper tables: by the interface GUID text, and,
// as a last resort, by the adapter's display name in the interface table.

#include <cstdint>
#include <span>
#include <string>

#include "adapterinfo/adapter_info.h"

namespace zlx::adapterinfo {

enum class AddressPath {
    Legacy,       // GetAdaptersInfo, then GetIfTable
    AddressList,  // GetAdaptersAddresses (MAC only)
};

// Windows XP other than service pack 1, and XP x64, use the address list; everything else,
// every system the classification does not know included, the legacy tables.
AddressPath addressPathFor(std::uint32_t osVersionCode, std::uint32_t servicePackMajor);

// Sets macAddress and, on the legacy path's adapter list, ipAddress.
void gatherAddresses(const GatherContext& context, AdapterInfo& info);

// "%02X-%02X-%02X-%02X-%02X-%02X" of the first six octets; empty for a shorter address.
std::string formatMacAddress(std::span<const std::uint8_t> address);

}  // namespace zlx::adapterinfo
