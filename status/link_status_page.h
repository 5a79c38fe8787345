#pragma once

#include "status/refreshing_page.h"

namespace zlx::status {

// The Current Status page; its values arrive with the status display.
class LinkStatusPage : public RefreshingPage {
  public:
    explicit LinkStatusPage(context::AppContext& context);
};

}  // namespace zlx::status
