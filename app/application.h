#pragma once
// Application: one instance only, the command line, the status sheet run modally, help. It owns
// the run's driver channel and notification client, which the windows it puts together share.

#include <string>
#include <vector>

#include "adapterinfo/adapter_state.h"
#include "context/app_context.h"
#include "diagchannel/notification_client.h"
#include "ui/desktop.h"
#include "wlan/driver_channel.h"

namespace zlx::app {

class Application {
  public:
    // The notification client opens its handle here, at the program's start, before any window.
    explicit Application(context::AppContext& context);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the program; always false, so the process ends when it returns.
    bool initInstance(const std::vector<std::string>& arguments);

    // The sheet's Help button.
    void onHelp();
    // The About item of the Troubleshooting page's window menu.
    void showAbout(ui::WindowHandle owner);
    // The vendor client suite's install folder with a trailing backslash ("\" when unknown).
    std::string installPath();
    // Whether the folder "Help" of the vendor exists under Program Files.
    bool helpAvailable();

    wlan::DriverChannel& driver() { return driver_; }
    adapterinfo::LinkRecords& linkRecords() { return linkRecords_; }
    adapterinfo::AdapterStateContext adapterState() { return {ctx_, driver_, linkRecords_}; }
    diagchannel::NotificationClient& notifications() { return notifications_; }

  private:
    bool runMainWindow();

    context::AppContext& ctx_;
    // Reads the selected interface and the service control flag at each request.
    wlan::DriverChannel driver_;
    diagchannel::NotificationClient notifications_;
    adapterinfo::LinkRecords linkRecords_;
};

}  // namespace zlx::app
