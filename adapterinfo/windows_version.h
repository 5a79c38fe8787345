#pragma once
// The Windows version classification: the platform's version report reduced to one small code,
// which decides the IP Helper table of the address lookup and the redirection switch around
// driver file accesses.

#include <cstdint>

#include "platform/system.h"

namespace zlx::context {
class AppContext;
}

namespace zlx::adapterinfo {

// osVersionCode values. Everything not listed, Windows Vista and later included, is 0.
inline constexpr std::uint32_t kOsOther = 0;
inline constexpr std::uint32_t kOsWindows95 = 1;
inline constexpr std::uint32_t kOsWindows98 = 2;
inline constexpr std::uint32_t kOsWindowsMe = 3;
inline constexpr std::uint32_t kOsWindowsNt4 = 4;    // NT 4.0 and earlier
inline constexpr std::uint32_t kOsWindows2000 = 5;   // and Windows Server 2003
inline constexpr std::uint32_t kOsWindowsXp = 6;     // 5.1
inline constexpr std::uint32_t kOsWindowsXpX64 = 7;  // 5.2 workstation

// GetVersionExW with the extended record, then with the basic one. Returns the code; sets
// `servicePackMajor` (1 to 4 as reported, anything else 0) whenever a report came back, and
// leaves it alone when neither call gave one.
std::uint32_t classifyWindowsVersion(platform::SystemInfo& system, std::uint32_t& servicePackMajor);

// Sets ctx.osVersionCode and ctx.servicePackMajor. Runs once at start-up, after the adapter
// selection (whose details therefore see code 0) and before the application object starts.
void classifyAtStartUp(context::AppContext& ctx);

}  // namespace zlx::adapterinfo
