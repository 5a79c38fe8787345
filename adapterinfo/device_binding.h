#pragma once
// Vendor adapter detection: the present network-class devices that carry the vendor's hardware
// identifiers, walked under the mutex the vendor's programs share, and the binding of the
// selected adapter's name to one of them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adapterinfo/adapter_info.h"

namespace zlx::adapterinfo {

inline constexpr const char* kNicMutexName = "NORVANE_NIC_MUTEX";
inline constexpr std::uint32_t kNicMutexWaitMs = 2000;
// Below HKEY_LOCAL_MACHINE; its "USBVIDPID" replaces the product's USB prefix.
inline constexpr const char* kInstallerKey =
    "SOFTWARE\\Norvane\\Norvane Client Installation Program";
inline constexpr const char* kUsbPrefixValue = "USBVIDPID";

struct VendorDevice {
    std::string displayName;     // the friendly name when not empty, else the description
    std::string driverInstance;  // the driver key after its last backslash
    std::string serviceName;     // "?" when the device reports none or an empty one
};

// Sets serviceName and driverInstance from the first vendor device whose display name equals
// adapterName exactly; leaves them empty when there is none.
void gatherDeviceBinding(const GatherContext& context, AdapterInfo& info);

// The vendor's present network adapters in the device manager's order. The caller holds the
// NIC mutex.
std::vector<VendorDevice> enumerateVendorAdapters(const GatherContext& context);

// Reads the USB prefix in force afresh and judges `id` (none: false).
bool isVendorHardwareId(const GatherContext& context, const std::optional<std::string>& id);

// "USBVIDPID" of the installer's key when it exists and is not empty, else the product's
// vendorUsbPrefix.
std::string usbPrefixInForce(platform::Registry& registry, const context::ProductData& product);

// The judgement itself, for an identifier and a USB prefix; compared without regard to case,
// with "#" read as "\".
bool matchesVendorHardwareId(std::string_view id, std::string_view usbPrefix,
                             const context::ProductData& product);

}  // namespace zlx::adapterinfo
