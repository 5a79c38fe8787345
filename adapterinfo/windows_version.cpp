#include "adapterinfo/windows_version.h"

#include "context/app_context.h"

namespace zlx::adapterinfo {

namespace {

constexpr std::uint32_t kPlatformWin32Windows = 1;
constexpr std::uint32_t kPlatformWin32Nt = 2;
constexpr std::uint8_t kNtWorkstation = 1;
constexpr std::uint8_t kNtServer = 3;

std::uint32_t windows9xCode(const platform::OsVersionInfo& v) {
    if (v.major != 4) return kOsOther;
    switch (v.minor) {
        case 0:
            return kOsWindows95;
        case 10:
            return kOsWindows98;
        case 90:
            return kOsWindowsMe;
        default:
            return kOsOther;
    }
}

std::uint32_t ntCode(const platform::OsVersionInfo& v, bool extended) {
    if (v.major <= 4) return kOsWindowsNt4;
    if (v.major != 5) return kOsOther;
    switch (v.minor) {
        case 0:
            return kOsWindows2000;
        case 1:
            return kOsWindowsXp;
        case 2:
            // Only the extended record tells a workstation (XP x64) from a server (2003).
            if (!extended) return kOsOther;
            if (v.productType == kNtServer) return kOsWindows2000;
            if (v.productType == kNtWorkstation) return kOsWindowsXpX64;
            return kOsOther;
        default:
            return kOsOther;
    }
}

}  // namespace

std::uint32_t classifyWindowsVersion(platform::SystemInfo& system,
                                     std::uint32_t& servicePackMajor) {
    platform::OsVersionInfo info;
    bool extended = system.versionEx(info);
    if (!extended) {
        info = platform::OsVersionInfo{};
        if (!system.versionBasic(info)) return kOsOther;
        // The basic record has no service pack numbers, whatever the call left there.
        info.servicePackMajor = 0;
    }
    servicePackMajor =
        info.servicePackMajor >= 1 && info.servicePackMajor <= 4 ? info.servicePackMajor : 0;
    switch (info.platformId) {
        case kPlatformWin32Windows:
            return windows9xCode(info);
        case kPlatformWin32Nt:
            return ntCode(info, extended);
        default:
            return kOsOther;
    }
}

void classifyAtStartUp(context::AppContext& ctx) {
    ctx.osVersionCode = classifyWindowsVersion(ctx.platform.system, ctx.servicePackMajor);
}

}  // namespace zlx::adapterinfo
