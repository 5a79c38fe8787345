#include "app/profile_eligibility.h"

#include "app/profile_xml.h"
#include "wlan/driver_channel.h"

namespace zlx::app {

namespace {

// The profile's XML through a client handle of its own; nothing when it cannot be had.
std::optional<std::string> fetchProfile(AppContext& ctx, const std::string& profileName) {
    platform::WlanApi& wlan = ctx.platform.wlan;
    std::uint32_t negotiated = 0;
    platform::WlanHandle handle = platform::kNoWlanHandle;
    if (wlan.openHandle(wlan::kWlanClientVersion, negotiated, handle) != platform::kErrorSuccess) {
        if (handle != platform::kNoWlanHandle) wlan.closeHandle(handle);
        return std::nullopt;
    }
    std::string xml;
    platform::Win32Error result =
        wlan.getProfile(handle, ctx.selection.selectedInterface, profileName, xml);
    wlan.closeHandle(handle);
    if (result != platform::kErrorSuccess) return std::nullopt;
    return xml;
}

}  // namespace

bool isZlxProfile(AppContext& ctx, const std::string& profileName) {
    auto xml = fetchProfile(ctx, profileName);
    return xml && zlxElementText(*xml).has_value();
}

bool adapterHasZlxProfile(AppContext& ctx, const std::string& guidText) {
    wlan::selectInterface(ctx.selection, ctx.platform.wlan, ctx.platform.rpc, guidText);
    platform::WlanApi& wlan = ctx.platform.wlan;
    std::uint32_t negotiated = 0;
    platform::WlanHandle handle = platform::kNoWlanHandle;
    if (wlan.openHandle(wlan::kWlanClientVersion, negotiated, handle) != platform::kErrorSuccess) {
        if (handle != platform::kNoWlanHandle) wlan.closeHandle(handle);
        return false;
    }
    std::vector<platform::WlanProfileInfo> profiles;
    platform::Win32Error result =
        wlan.getProfileList(handle, ctx.selection.selectedInterface, profiles);
    wlan.closeHandle(handle);
    if (result != platform::kErrorSuccess) return false;
    for (const auto& profile : profiles) {
        if (isZlxProfile(ctx, profile.name)) return true;
    }
    return false;
}

}  // namespace zlx::app
