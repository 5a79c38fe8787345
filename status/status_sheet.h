#pragma once
// WvAppPropertySheet: the main window. Three pages, and a two-second timer that makes the
// visible page refresh itself.

#include <functional>

#include "app/app_context.h"
#include "app/troubleshooting_page.h"
#include "app/user_messages.h"
#include "status/link_status_page.h"
#include "status/statistics_page.h"
#include "ui/property_sheet.h"

namespace zlx::status {

inline constexpr unsigned kRefreshTimer = 1037;
inline constexpr platform::Millis kRefreshPeriod = 2000;
using app::kWmRefresh;

class WvAppPropertySheet : public ui::PropertySheet {
  public:
    WvAppPropertySheet(app::AppContext& context, bool helpAvailable, std::function<void()> help);

    WvLinkStatusPage& linkStatusPage() { return linkStatus_; }
    app::CQORDEXDlg& troubleshootingPage() { return troubleshooting_; }
    WvStatisticsPage& statisticsPage() { return statistics_; }

  protected:
    bool onInitDialog() override;
    void onTimer(unsigned id) override;
    void onHelp() override;

  private:
    app::AppContext& ctx_;
    std::function<void()> help_;
    WvLinkStatusPage linkStatus_;
    app::CQORDEXDlg troubleshooting_;
    WvStatisticsPage statistics_;
};

}  // namespace zlx::status
