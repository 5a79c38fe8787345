#pragma once
// StatusSheet: the main window. The status pages with the Troubleshooting page between them,
// and a two-second timer that makes the visible page refresh itself.

#include <functional>

#include "context/app_context.h"
#include "context/user_messages.h"
#include "status/diagnostics_page.h"
#include "status/link_history.h"
#include "status/link_status_page.h"
#include "status/signal_history_window.h"
#include "ui/property_sheet.h"

namespace zlx::status {

inline constexpr unsigned kRefreshTimer = 1037;
inline constexpr platform::Millis kRefreshPeriod = 2000;
using context::kWmRefreshPage;

class StatusSheet : public ui::PropertySheet {
  public:
    // The Troubleshooting page is made by whoever puts the sheet together and outlives it.
    // The status pages read and refresh the run's link records through `state`.
    StatusSheet(adapterinfo::AdapterStateContext state, ui::PropertyPage& troubleshootingPage,
                bool helpAvailable, std::function<void()> help);

    LinkStatusPage& linkStatusPage() { return linkStatus_; }
    ui::PropertyPage& troubleshootingPage() { return troubleshooting_; }
    DiagnosticsPage& diagnosticsPage() { return diagnostics_; }
    const LinkHistory& history() const { return history_; }
    SignalHistoryWindow& signalHistoryWindow() { return historyWindow_; }

  protected:
    bool onInitDialog() override;
    void onTimer(unsigned id) override;
    void onHelp() override;
    // Copy: the labels and values of the status page that shows.
    void onSysCommand(int id) override;

  private:
    context::AppContext& ctx_;
    std::function<void()> help_;
    LinkStatusPage linkStatus_;
    ui::PropertyPage& troubleshooting_;
    DiagnosticsPage diagnostics_;
    // One sample per tick from the sheet's start, whether or not the window shows them.
    LinkHistory history_;
    SignalHistoryWindow historyWindow_;
};

}  // namespace zlx::status
