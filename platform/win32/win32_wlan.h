#pragma once
// Native Wifi of this machine (wlanapi.dll, loaded from the system folder when first made).

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/win32/system_library.h"
#include "platform/wlan.h"

namespace zlx::platform::win32 {

class Win32Wlan final : public WlanApi {
  public:
    Win32Wlan();
    ~Win32Wlan() override;

    Win32Error openHandle(std::uint32_t clientVersion, std::uint32_t& negotiatedVersion,
                          WlanHandle& handle) override;
    // After it returns no callback of the handle runs: one that is running is waited for, one
    // that comes late finds its registration ended.
    Win32Error closeHandle(WlanHandle handle) override;
    Win32Error enumInterfaces(WlanHandle handle,
                              std::vector<WlanInterfaceInfo>& interfaces) override;
    Win32Error queryInterface(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t opcode,
                              std::vector<std::uint8_t>& data, std::uint32_t& valueType) override;
    Win32Error getProfileList(WlanHandle handle, const Guid& interfaceGuid,
                              std::vector<WlanProfileInfo>& profiles) override;
    Win32Error getProfile(WlanHandle handle, const Guid& interfaceGuid,
                          const std::string& profileName, std::string& xml) override;
    Win32Error ihvControl(WlanHandle handle, const Guid& interfaceGuid, std::uint32_t type,
                          std::span<const std::uint8_t> request, std::span<std::uint8_t> answer,
                          std::uint32_t& bytesReturned) override;
    Win32Error registerNotification(WlanHandle handle, std::uint32_t sourceMask,
                                    WlanNotificationCallback callback) override;
    Win32Error setSecuritySettings(WlanHandle handle, std::uint32_t securableObject,
                                   const std::string& sddl) override;

    // One handle's callback as the service calls it: the context pointer is the registration.
    struct Registration {
        std::recursive_mutex mutex;
        WlanNotificationCallback callback;
    };

  private:
    // Ends the callback of `handle`. It is handed back so that it is destroyed after the
    // registration's lock is let go.
    WlanNotificationCallback endRegistration(WlanHandle handle);

    SystemLibrary library_;
    std::mutex mutex_;
    // Registrations live as long as this object: the service may hold their address until
    // the handle is closed, and a callback may still be on its way then.
    std::map<WlanHandle, std::unique_ptr<Registration>> registrations_;
};

}  // namespace zlx::platform::win32
