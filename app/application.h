#pragma once
// CQORDEXApp: one instance only, the command line, the status sheet run modally, help.

#include <string>
#include <vector>

#include "app/app_context.h"

namespace zlx::app {

class CQORDEXApp {
  public:
    explicit CQORDEXApp(AppContext& context) : ctx_(context) {}

    // Runs the program; always false, so the process ends when it returns.
    bool initInstance(const std::vector<std::string>& arguments);

    // The sheet's Help button.
    void onHelp();
    // The vendor client suite's install folder with a trailing backslash ("\" when unknown).
    std::string installPath();
    // Whether the folder "Help" of the vendor exists under Program Files.
    bool helpAvailable();

  private:
    bool runMainWindow();

    AppContext& ctx_;
};

}  // namespace zlx::app
