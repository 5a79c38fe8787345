#pragma once
// Native Wifi (wlanapi.dll) as C++ values. Every result is the call's Win32 code; data the
// service would allocate comes back in vectors, so nothing is freed by hand (WlanFreeMemory is
// implicit).

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/windows_types.h"
#include "platform/wlan_sdk.h"

namespace zlx::platform {

using WlanHandle = std::uint64_t;
inline constexpr WlanHandle kNoWlanHandle = 0;

struct WlanInterfaceInfo {
    Guid guid;
    std::string description;  // at most 255 characters, as the service reports it
    std::uint32_t state = 0;  // WLAN_INTERFACE_STATE
};

// One enumeration's answer with a lookup by GUID. It never changes once made, so a service
// that keeps its interfaces hands the same answer to every caller until they change.
class WlanInterfaceSet {
  public:
    explicit WlanInterfaceSet(std::vector<WlanInterfaceInfo> interfaces);

    const std::vector<WlanInterfaceInfo>& interfaces() const { return interfaces_; }
    // The place of the first interface with this GUID.
    std::optional<std::size_t> find(const Guid& guid) const;

  private:
    std::vector<WlanInterfaceInfo> interfaces_;
    std::map<std::array<std::uint8_t, 16>, std::size_t> firstByGuid_;
};

struct WlanProfileInfo {
    std::string name;
    std::uint32_t flags = 0;
};

inline constexpr std::uint32_t kWlanIhvControlService =
    ZLX_WLAN_SDK(std::uint32_t{wlan_ihv_control_type_service}, 0);
inline constexpr std::uint32_t kWlanIhvControlDriver =
    ZLX_WLAN_SDK(std::uint32_t{wlan_ihv_control_type_driver}, 1);

inline constexpr std::uint32_t kWlanNotificationSourceIhv =
    ZLX_WLAN_SDK(std::uint32_t{WLAN_NOTIFICATION_SOURCE_IHV}, 0x00000040);
inline constexpr std::uint32_t kWlanNotificationSourceNone =
    ZLX_WLAN_SDK(std::uint32_t{WLAN_NOTIFICATION_SOURCE_NONE}, 0);
// The auto configuration module: among its notifications, an interface added to the machine or
// taken from it (a USB adapter plugged in or pulled out, a card after sleep and resume). Both
// carry the interface's GUID and no data.
inline constexpr std::uint32_t kWlanNotificationSourceAcm =
    ZLX_WLAN_SDK(std::uint32_t{WLAN_NOTIFICATION_SOURCE_ACM}, 0x00000008);
inline constexpr std::uint32_t kWlanAcmInterfaceArrival =
    ZLX_WLAN_SDK(std::uint32_t{wlan_notification_acm_interface_arrival}, 13);
inline constexpr std::uint32_t kWlanAcmInterfaceRemoval =
    ZLX_WLAN_SDK(std::uint32_t{wlan_notification_acm_interface_removal}, 14);

// One WLAN_NOTIFICATION_DATA, its payload copied.
struct WlanNotification {
    std::uint32_t source = 0;
    std::uint32_t code = 0;
    Guid interfaceGuid;
    std::vector<std::uint8_t> data;
};
using WlanNotificationCallback = std::function<void(const WlanNotification&)>;

// The securable object of WlanSetSecuritySettings that guards the IHV control channel.
inline constexpr std::uint32_t kWlanSecureIhvControl =
    ZLX_WLAN_SDK(std::uint32_t{wlan_secure_ihv_control}, 7);

class WlanApi {
  public:
    virtual ~WlanApi() = default;

    virtual Win32Error openHandle(std::uint32_t clientVersion, std::uint32_t& negotiatedVersion,
                                  WlanHandle& handle) = 0;
    virtual Win32Error closeHandle(WlanHandle handle) = 0;
    virtual Win32Error enumInterfaces(WlanHandle handle,
                                      std::vector<WlanInterfaceInfo>& interfaces) = 0;
    // The same WlanEnumInterfaces call, its answer as one shared set. By default the answer
    // above is copied into a new set.
    virtual Win32Error enumInterfaceSet(WlanHandle handle,
                                        std::shared_ptr<const WlanInterfaceSet>& interfaces);
    // WlanQueryInterface: data comes back in the Windows x64 layout of the opcode's structure.
    virtual Win32Error queryInterface(WlanHandle handle, const Guid& interfaceGuid,
                                      std::uint32_t opcode, std::vector<std::uint8_t>& data,
                                      std::uint32_t& valueType) = 0;
    virtual Win32Error getProfileList(WlanHandle handle, const Guid& interfaceGuid,
                                      std::vector<WlanProfileInfo>& profiles) = 0;
    virtual Win32Error getProfile(WlanHandle handle, const Guid& interfaceGuid,
                                  const std::string& profileName, std::string& xml) = 0;
    // WlanIhvControl: the caller offers `answer` (possibly empty); bytesReturned tells how much
    // the driver or the service wrote.
    virtual Win32Error ihvControl(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t type,
                                  std::span<const std::uint8_t> request,
                                  std::span<std::uint8_t> answer, std::uint32_t& bytesReturned) = 0;
    // WlanRegisterNotification: a source mask of kWlanNotificationSourceNone ends the
    // registration. The callback runs on the service's notification thread.
    virtual Win32Error registerNotification(WlanHandle handle, std::uint32_t sourceMask,
                                            WlanNotificationCallback callback) = 0;
    virtual Win32Error setSecuritySettings(WlanHandle handle, std::uint32_t securableObject,
                                           const std::string& sddl) = 0;
};

}  // namespace zlx::platform
