#pragma once
// Native Wifi values written once, with the Windows SDK's name beside the number. A build for
// Windows takes the SDK's own definition and refuses to compile where the two disagree; other
// builds, which have no SDK, take the number: the documented Windows x64 value the simulated
// service and the codecs in wlan_types.h are written against.
//
//   inline constexpr std::uint32_t kWlanStateConnected =
//       ZLX_WLAN_SDK(wlan_interface_state_connected, 1);

#ifdef _WIN32
// <windows.h> first: <wlanapi.h> builds on it.
#include <windows.h>

#include <wlanapi.h>

#include <cstddef>

// <ntddndis.h> defines NDIS object identifiers as macros; the driver channel names the one it
// sends as a constant of its own, with the same value.
#undef OID_GEN_VENDOR_DESCRIPTION

namespace zlx::platform {

template <typename Value, typename Documented>
consteval Value agreedWithSdk(Value sdk, Documented documented) {
    // A throw in a constant expression is a compile error on the line that names the value.
    if (sdk != static_cast<Value>(documented)) throw "the Windows SDK disagrees with this value";
    return sdk;
}

}  // namespace zlx::platform

#define ZLX_WLAN_SDK(sdk, documented) (::zlx::platform::agreedWithSdk((sdk), (documented)))
#else
#define ZLX_WLAN_SDK(sdk, documented) (documented)
#endif
