#pragma once
// Bringing Qt up: whether there is a screen at all, and the application object.

#include <QApplication>
#include <functional>
#include <memory>
#include <string>

#include "launcher/front_end.h"

namespace zlx::qt {

using launcher::Environment;
using launcher::processEnvironment;

// The Qt platforms to try, in order, for a window on the display the environment names,
// ending with the offscreen one so that a display that cannot be opened is a fact the program
// can act on rather than the end of the process.
std::string platformsWithFallback(const Environment& environment);

// The application object. Qt sees none of the program's own arguments, only its name.
class QtApplication {
  public:
    // On the platform Qt chooses, or on the offscreen one when `offscreen` is set and no
    // platform was chosen explicitly.
    QtApplication(const char* programName, bool offscreen);
    ~QtApplication();

    // True when a window was asked for but the display named by DISPLAY or WAYLAND_DISPLAY
    // could not be opened: Qt then came up offscreen instead of ending the process.
    bool displayUnavailable() const { return displayUnavailable_; }
    QtApplication(const QtApplication&) = delete;
    QtApplication& operator=(const QtApplication&) = delete;

  private:
    // QApplication keeps references to the argument count and vector for its whole life.
    std::string name_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> app_;
    bool displayUnavailable_ = false;
};

}  // namespace zlx::qt
