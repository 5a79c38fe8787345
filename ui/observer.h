#pragma once

#include "ui/messages.h"

namespace zlx::ui {

// Every visible change of the model is announced, so that a renderer can follow it.
class DesktopObserver {
  public:
    virtual ~DesktopObserver() = default;
    virtual void windowCreated(WindowHandle window) = 0;
    virtual void windowDestroyed(WindowHandle window) = 0;
    // Title, show state, active page, modal stack or foreground changed.
    virtual void windowChanged(WindowHandle window) = 0;
    virtual void controlChanged(WindowHandle window, int controlId) = 0;
};

}  // namespace zlx::ui
