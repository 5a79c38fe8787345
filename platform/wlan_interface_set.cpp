#include "platform/wlan.h"

namespace zlx::platform {

WlanInterfaceSet::WlanInterfaceSet(std::vector<WlanInterfaceInfo> interfaces)
    : interfaces_(std::move(interfaces)) {
    for (std::size_t k = 0; k < interfaces_.size(); ++k)
        firstByGuid_.emplace(interfaces_[k].guid.bytes, k);
}

std::optional<std::size_t> WlanInterfaceSet::find(const Guid& guid) const {
    auto it = firstByGuid_.find(guid.bytes);
    if (it == firstByGuid_.end()) return std::nullopt;
    return it->second;
}

Win32Error WlanApi::enumInterfaceSet(WlanHandle handle,
                                     std::shared_ptr<const WlanInterfaceSet>& interfaces) {
    std::vector<WlanInterfaceInfo> answer;
    Win32Error result = enumInterfaces(handle, answer);
    interfaces = std::make_shared<const WlanInterfaceSet>(std::move(answer));
    return result;
}

}  // namespace zlx::platform
