#include "adapterinfo/device_binding.h"

#include <algorithm>

#include "platform/registry_key.h"
#include "platform/text.h"

namespace zlx::adapterinfo {

namespace {

constexpr const char* kExcludedDevice = "&DEV_0007";

std::string upperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.substr(0, prefix.size()) == prefix;
}

// An empty needle would be found in every identifier: it matches nothing.
bool contains(std::string_view text, std::string_view needle) {
    return !needle.empty() && text.find(needle) != std::string_view::npos;
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
    std::string normal(id);
    std::replace(normal.begin(), normal.end(), '#', '\\');
    normal = upperAscii(normal);
    // Hardware identifiers compare without regard to case, whoever wrote the prefix.
    std::string usb = upperAscii(usbPrefix);
    std::string pci = upperAscii(product.vendorPciPrefix);

    if (startsWith(normal, pci + kExcludedDevice)) return false;
    if (startsWith(normal, usb + kExcludedDevice)) return false;
    for (const std::string& fragment : product.excludedSubsystems)
        if (contains(normal, upperAscii(fragment))) return false;
    return contains(normal, pci) || contains(normal, usb) ||
           contains(normal, upperAscii(product.partnerUsbId));
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
