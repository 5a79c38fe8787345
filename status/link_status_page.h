#pragma once

#include <functional>

#include "status/advanced_status_dialog.h"
#include "status/refreshing_page.h"
#include "status/status_snapshot.h"

namespace zlx::status {

// The Current Status page: the link at a glance, and the Advanced Status dialog it feeds.
class LinkStatusPage : public RefreshingPage {
  public:
    // The window menu's item that opens the Signal History window.
    static constexpr int kSignalHistoryCommand = 48;

    explicit LinkStatusPage(adapterinfo::AdapterStateContext state);

    AdvancedStatusDialog& advancedDialog() { return advanced_; }
    // What the last refresh showed.
    const LinkSnapshot& snapshot() const { return snapshot_; }
    // Opens the Signal History window over the given owner.
    void setShowSignalHistory(std::function<void(ui::WindowHandle owner)> show) {
        showSignalHistory_ = std::move(show);
    }

  protected:
    bool onInitDialog() override;
    void refresh() override;
    void onCommand(int id, std::uint32_t code) override;
    void onSysCommand(int id) override;

  private:
    void showSnapshot();

    AdvancedStatusDialog advanced_;
    LinkSnapshot snapshot_;
    std::function<void(ui::WindowHandle owner)> showSignalHistory_;
};

}  // namespace zlx::status
