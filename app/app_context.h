#pragma once
// The process-wide values of one program run, kept together so that every run and every test
// starts from a fresh state.

#include <atomic>
#include <string>

#include "diagchannel/notification_client.h"
#include "diagchannel/run_state.h"
#include "platform/platform.h"
#include "ui/desktop.h"
#include "wlan/driver_channel.h"
#include "wlan/interfaces.h"

namespace zlx::app {

struct CommandLineFlags {
    bool serviceControlOff = false;     // "-u": the enter and leave requests are not sent
    bool serviceControlForced = false;  // "-d": wins over "-u"
};

// Facts of the product that are not the system's decisions.
struct ProductData {
    // The network vendor's identifier at the start of every service control message. A locally
    // administered value, so it can never be mistaken for a registered vendor.
    wlan::Oui networkVendorOui{0x02, 0x5A, 0x58};
};

class AppContext {
  public:
    AppContext(platform::Platform& platform, ui::Desktop& desktop, ProductData product = {})
        : platform(platform), desktop(desktop), product(product) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    platform::Platform& platform;
    ui::Desktop& desktop;
    ProductData product;
    CommandLineFlags flags;

    wlan::WlanSelection selection;
    std::string selectedProfileName;
    std::string selectedAdapterGuidText;

    ui::WindowHandle mainWindow = ui::kNoWindow;
    // Written on the user-interface thread, read by the notification thread and workers.
    std::atomic<ui::WindowHandle> troubleshootingPage{ui::kNoWindow};
    std::atomic<ui::WindowHandle> testWindowHandle{ui::kNoWindow};
    std::atomic<ui::WindowHandle> waitDialogHandle{ui::kNoWindow};

    diagchannel::RunStateStore runState;

    // Reads the selected interface and the service control flag at each request.
    wlan::DriverChannel driver{platform.wlan, selection.selectedInterface, flags.serviceControlOff,
                               product.networkVendorOui};
    // Opened at the program's start, before any window.
    diagchannel::NotificationClient notifications{*this};
};

}  // namespace zlx::app
