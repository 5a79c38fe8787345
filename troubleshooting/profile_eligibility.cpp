#include "troubleshooting/profile_eligibility.h"

#include "wlan/interfaces.h"
#include "wlan/profile_xml.h"

namespace zlx::troubleshooting {

bool isZlxProfile(context::AppContext& ctx, const std::string& profileName) {
    std::string xml;
    if (wlan::getProfileXml(ctx.platform.wlan, ctx.selection.selectedInterface, profileName, xml) !=
        platform::kErrorSuccess)
        return false;
    return wlan::zlxElementText(xml).has_value();
}

bool adapterHasZlxProfile(context::AppContext& ctx, const std::string& guidText) {
    wlan::selectInterface(ctx.selection, ctx.platform.wlan, ctx.platform.rpc, guidText);
    std::vector<platform::WlanProfileInfo> profiles;
    if (wlan::getProfileList(ctx.platform.wlan, ctx.selection.selectedInterface, profiles) !=
        platform::kErrorSuccess)
        return false;
    for (const auto& profile : profiles) {
        if (isZlxProfile(ctx, profile.name)) return true;
    }
    return false;
}

}  // namespace zlx::troubleshooting
