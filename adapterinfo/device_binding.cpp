#include "adapterinfo/device_binding.h"

#include <algorithm>
#include <array>
#include <span>

#include "platform/registry_key.h"
#include "platform/text.h"

namespace zlx::adapterinfo {

namespace {

constexpr std::string_view kExcludedDevice = "&DEV_0007";

using platform::upperAscii;

// Hardware identifiers compare without regard to case, whoever wrote the prefix, and '#'
// stands for '\\' (the form a device interface path gives them).
char foldedIdChar(char c) {
    return upperAscii(c == '#' ? '\\' : c);
}

// `id` folded for comparison, kept in `stack` when it fits and in `heap` otherwise.
std::string_view foldedId(std::string_view id, std::span<char> stack, std::string& heap) {
    char* out = stack.data();
    if (id.size() > stack.size()) {
        heap.resize(id.size());
        out = heap.data();
    }
    std::transform(id.begin(), id.end(), out, foldedIdChar);
    return {out, id.size()};
}

// A needle as folded identifiers hold it: upper case, its own '#' kept.
struct FoldedNeedle {
    explicit FoldedNeedle(std::string_view needle) : text(needle.size(), '\0') {
        std::transform(needle.begin(), needle.end(), text.begin(), upperAscii);
    }
    std::string text;
};

// `id` starts with `first` followed by `second`; both are folded first.
bool startsWith(std::string_view id, std::string_view first, std::string_view second) {
    return id.size() >= first.size() + second.size() &&
           id.substr(0, first.size()) == FoldedNeedle(first).text &&
           id.substr(first.size(), second.size()) == FoldedNeedle(second).text;
}

// An empty needle would be found in every identifier: it matches nothing.
bool contains(std::string_view id, std::string_view needle) {
    return !needle.empty() && id.find(FoldedNeedle(needle).text) != std::string_view::npos;
}

}  // namespace

std::string usbPrefixInForce(platform::Registry& registry, const context::ProductData& product) {
    platform::RegistryKey key(registry);
    std::string value;
    if (key.open(platform::kHkeyLocalMachine, kInstallerKey, platform::kKeyRead) == 0)
        key.queryString(kUsbPrefixValue, value);
    return value.empty() ? product.vendorUsbPrefix : value;
}

bool matchesVendorHardwareId(std::string_view rawId, std::string_view usbPrefix,
                             const context::ProductData& product) {
    std::array<char, 128> stack;
    std::string heap;
    const std::string_view id = foldedId(rawId, stack, heap);
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
