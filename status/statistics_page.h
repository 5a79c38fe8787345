#pragma once

#include "status/refreshing_page.h"

namespace zlx::status {

// The Diagnostics page; its counters arrive with the status display.
class WvStatisticsPage : public RefreshingPage {
  public:
    explicit WvStatisticsPage(app::AppContext& context);
};

}  // namespace zlx::status
