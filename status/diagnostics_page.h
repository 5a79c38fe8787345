#pragma once

#include "status/refreshing_page.h"

namespace zlx::status {

// The Diagnostics page; its counters arrive with the status display.
class DiagnosticsPage : public RefreshingPage {
  public:
    explicit DiagnosticsPage(context::AppContext& context);
};

}  // namespace zlx::status
