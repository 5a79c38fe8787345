#pragma once
// TroubleshootingPage: the Troubleshooting page. The user picks the kind of run, the adapter and,
// for a network-managed run, the profile, and presses Start; the page then drives the run through
// its user messages.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clientsuite/client_worker.h"
#include "context/app_context.h"
#include "diagchannel/notification_client.h"
#include "ui/property_sheet.h"
#include "wlan/driver_channel.h"
#include "wlan/interfaces.h"

namespace zlx::troubleshooting {

inline constexpr unsigned kConnectionTimer = 1;
inline constexpr platform::Millis kConnectionTick = 30000;
inline constexpr int kConnectionTicks = 3;

class TroubleshootingPage : public ui::PropertyPage {
  public:
    static constexpr int kAboutCommand = 16;

    // `showAbout` opens the About box over the given owner.
    TroubleshootingPage(context::AppContext& context, wlan::DriverChannel& driver,
                        diagchannel::NotificationClient& notifications,
                        std::function<void(ui::WindowHandle owner)> showAbout);

    bool initialised() const { return initialised_; }
    bool busy() const { return busy_; }
    bool networkMode() const { return networkMode_; }
    int selectedProfileIndex() const { return selectedProfileIndex_; }
    const wlan::InterfaceList& interfaces() const { return *interfaces_; }

  protected:
    bool onInitDialog() override;
    void onCommand(int id, std::uint32_t code) override;
    void onSysCommand(int id) override;
    void onTimer(unsigned id) override;
    void onClose() override;
    void onDestroy() override;
    std::int64_t onMessage(const ui::Message& message) override;

  private:
    // Lists and modes. Listing fills the adapter list for its mode and returns why it is empty
    // (the text of a box), or nothing when an adapter is selected.
    void selectNetworkMode();
    void selectClientMode();
    std::string listNetworkAdapters();
    std::string listClientAdapters();
    // The wireless interfaces changed: the list is made again, the selection stays on its
    // adapter or moves, saying so. A run keeps its adapter until it ends.
    void interfacesChanged();
    bool runOn() const;
    void adapterChanged();
    void profileChanged();
    bool fillProfileList();
    void makeCurrent(const std::string& guidText);
    void showError(int stringId);
    void showErrorText(const std::string& text);
    // The list of adapters is empty: "no suitable adapters", or why there is no list.
    std::string noAdaptersText() const;

    // Runs.
    void start();
    void connectionResult(bool connected);
    void showWaitingDialog();
    void openTestWindow(bool clientManaged);
    void runIdle();
    void endRunAfterProfileError(std::uint64_t run, context::RunState ended);
    // The leave request of a run's ending: sent once, however many events answer it.
    void leaveOnce();
    void setRunControlsEnabled(bool enabled);
    void startClientTests();
    void showNetworkTestBusy(bool busy);

    context::AppContext& ctx_;
    wlan::DriverChannel& driver_;
    diagchannel::NotificationClient& notifications_;
    std::function<void(ui::WindowHandle owner)> showAbout_;
    bool initialised_ = false;
    bool busy_ = false;
    std::optional<wlan::InterfaceList> interfaces_;  // the last enumeration
    // The adapter the client-mode list selects; empty when none.
    std::string clientAdapterGuidText_;
    // The interfaces changed during a run: the list follows when it ends.
    bool interfacesStale_ = false;
    bool connectInTime_ = false;
    int timerTicks_ = 0;
    bool connectOk_ = false;
    bool networkMode_ = false;
    int selectedProfileIndex_ = ui::kCbErr;
    // The adapter that network mode's single list entry stands for.
    std::string networkAdapterGuidText_;
    bool networkTestBusy_ = false;
    // From Start to the connection result; a result that comes after it is an answer to the
    // leave request that result sent, and changes nothing.
    bool awaitingConnection_ = false;
    bool leaveSent_ = false;
    bool testWindowOpen_ = false;
    // One worker per client-managed Start; a stopped run's worker may still be finishing when
    // the next starts. Destroying them ends their waits and joins them.
    std::vector<std::unique_ptr<clientsuite::ClientTestWorker>> clientWorkers_;
};

}  // namespace zlx::troubleshooting
