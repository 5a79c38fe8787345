#pragma once
// The client handle used only for notifications, and the notification routine that turns the
// service's events into messages for the windows of a run, and its interface arrivals and
// removals into one message for the Troubleshooting page. The routine runs on the wireless
// service's thread: it reads the run state once, formats at most one line and posts.

#include <atomic>
#include <cstdint>

#include "platform/wlan.h"
#include "wlan/client_handle.h"

namespace zlx::context {
class AppContext;
}

namespace zlx::diagchannel {

inline constexpr const char* kIhvControlSecurity =
    "O:SYG:SYD:(A;;CCRC;;;BU)(A;;CCDCWPSDRCWD;;;BU)(A;;CCRC;;;NO)(A;;CCDCWPSDRCWD;;;NO)"
    "(A;;CCRC;;;BA)(A;;CCDCWPSDRCWD;;;BA)(D;;FA;;;WD)";

class NotificationClient {
  public:
    explicit NotificationClient(context::AppContext& context);
    NotificationClient(const NotificationClient&) = delete;
    NotificationClient& operator=(const NotificationClient&) = delete;

    // Sets the security of the IHV control channel on a handle of its own.
    void secureIhvControl();
    void registerRoutine();
    void unregisterRoutine();

    // The routine itself (public for tests that deliver notifications directly).
    void onNotification(const platform::WlanNotification& notification);

    std::uint32_t lastEventCode() const { return lastEventCode_; }

  private:
    void onInterfaceNotification(const platform::WlanNotification& notification);

    context::AppContext& ctx_;
    wlan::ClientHandle handle_;  // open for the program's life
    std::atomic<std::uint32_t> lastEventCode_{0};
};

}  // namespace zlx::diagchannel
