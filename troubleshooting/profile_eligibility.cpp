#include "troubleshooting/profile_eligibility.h"

#include "wlan/interfaces.h"
#include "wlan/profile_xml.h"

namespace zlx::troubleshooting {

bool isZlxProfile(context::AppContext& ctx, const std::string& profileName, bool* accessDenied) {
    std::string xml;
    platform::Win32Error result =
        wlan::getProfileXml(ctx.platform.wlan, ctx.selection.selectedInterface, profileName, xml);
    if (result == platform::kErrorAccessDenied && accessDenied) *accessDenied = true;
    if (result != platform::kErrorSuccess) return false;
    return wlan::zlxElementText(xml).has_value();
}

bool adapterHasZlxProfile(context::AppContext& ctx, const std::string& guidText,
                          bool* accessDenied) {
    wlan::selectInterface(ctx.selection, ctx.platform.wlan, ctx.platform.rpc, guidText);
    std::vector<platform::WlanProfileInfo> profiles;
    platform::Win32Error result =
        wlan::getProfileList(ctx.platform.wlan, ctx.selection.selectedInterface, profiles);
    if (result == platform::kErrorAccessDenied && accessDenied) *accessDenied = true;
    if (result != platform::kErrorSuccess) return false;
    for (const auto& profile : profiles) {
        if (isZlxProfile(ctx, profile.name, accessDenied)) return true;
    }
    return false;
}

}  // namespace zlx::troubleshooting
