#pragma once

#include "status/refreshing_page.h"

namespace zlx::status {

// The Current Status page; its values arrive with the status display.
class WvLinkStatusPage : public RefreshingPage {
  public:
    explicit WvLinkStatusPage(app::AppContext& context);
};

}  // namespace zlx::status
