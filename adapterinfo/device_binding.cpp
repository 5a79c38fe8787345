#include "adapterinfo/device_binding.h"

#include <algorithm>

#include "platform/registry_key.h"
#include "platform/text.h"

namespace zlx::adapterinfo {

namespace {

constexpr std::string_view kExcludedDevice = "&DEV_0007";

// Hardware identifiers compare without regard to case, whoever wrote the prefix, and '#'
// stands for '\\' (the form a device interface path gives them).
char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

char foldedIdChar(char c) {
    return upperAscii(c == '#' ? '\\' : c);
}

bool matchesAt(std::string_view id, std::size_t at, std::string_view needle) {
    if (at > id.size() || id.size() - at < needle.size()) return false;
    for (std::size_t i = 0; i < needle.size(); ++i)
        if (foldedIdChar(id[at + i]) != upperAscii(needle[i])) return false;
    return true;
}

// `id` starts with `first` followed by `second`.
bool startsWith(std::string_view id, std::string_view first, std::string_view second) {
    return matchesAt(id, 0, first) && matchesAt(id, first.size(), second);
}

// An empty needle would be found in every identifier: it matches nothing.
bool contains(std::string_view id, std::string_view needle) {
    if (needle.empty() || needle.size() > id.size()) return false;
    const char first = upperAscii(needle.front());
    for (std::size_t at = 0; at + needle.size() <= id.size(); ++at)
        if (foldedIdChar(id[at]) == first && matchesAt(id, at, needle)) return true;
    return false;
}

}  // namespace

std::string usbPrefixInForce(platform::Registry& registry, const context::ProductData& product) {
    platform::RegistryKey key(registry);
    std::string value;
    if (key.open(platform::kHkeyLocalMachine, kInstallerKey, platform::kKeyRead) == 0)
        key.queryString(kUsbPrefixValue, value);
    return value.empty() ? product.vendorUsbPrefix : value;
}

bool matchesVendorHardwareId(std::string_view id, std::string_view usbPrefix,
                             const context::ProductData& product) {
    std::string_view pci = product.vendorPciPrefix;
    if (startsWith(id, pci, kExcludedDevice)) return false;
    if (startsWith(id, usbPrefix, kExcludedDevice)) return false;
    for (const std::string& fragment : product.excludedSubsystems)
        if (contains(id, fragment)) return false;
    return contains(id, pci) || contains(id, usbPrefix) || contains(id, product.partnerUsbId);
}

bool isVendorHardwareId(const GatherContext& context, const std::optional<std::string>& id) {
    if (!id) return false;
    return matchesVendorHardwareId(
        *id, usbPrefixInForce(context.platform.registry, context.product), context.product);
}

std::vector<VendorDevice> enumerateVendorAdapters(const GatherContext& context) {
    std::vector<platform::NetworkDevice> devices;
    std::vector<VendorDevice> vendor;
    if (context.platform.devices.networkDevices(devices) != platform::kErrorSuccess) return vendor;
    for (const platform::NetworkDevice& device : devices) {
        if (!device.present) continue;
        if (device.instanceId.empty() || !isVendorHardwareId(context, device.instanceId)) continue;
        if (!device.hasProperty(platform::kSpdrpDeviceDesc) ||
            !device.hasProperty(platform::kSpdrpDriver))
            continue;
        auto slash = device.driverKey.rfind('\\');
        if (slash == std::string::npos) continue;

        VendorDevice entry;
        bool friendly =
            device.hasProperty(platform::kSpdrpFriendlyName) && !device.friendlyName.empty();
        entry.displayName = friendly ? device.friendlyName : device.description;
        entry.driverInstance = device.driverKey.substr(slash + 1);
        bool service = device.hasProperty(platform::kSpdrpService) && !device.service.empty();
        entry.serviceName = service ? device.service : "?";
        vendor.push_back(std::move(entry));
    }
    return vendor;
}

void gatherDeviceBinding(const GatherContext& context, AdapterInfo& info) {
    std::vector<VendorDevice> devices;
    {
        // The walk goes ahead whatever the wait gives: the mutex only keeps the vendor's
        // programs from walking at the same time, and nobody waits longer than 2 s for it.
        std::unique_ptr<platform::NamedMutex> mutex =
            context.platform.mutexes.create(kNicMutexName);
        std::uint32_t waited = mutex ? mutex->wait(kNicMutexWaitMs) : platform::kWaitTimeout;
        devices = enumerateVendorAdapters(context);
        if (mutex && (waited == platform::kWaitObject0 || waited == platform::kWaitAbandoned))
            mutex->release();
    }
    auto match = std::find_if(devices.begin(), devices.end(), [&](const VendorDevice& d) {
        return d.displayName == info.adapterName;
    });
    if (match == devices.end()) return;
    info.serviceName = match->serviceName;
    info.driverInstance = match->driverInstance;
}

}  // namespace zlx::adapterinfo
