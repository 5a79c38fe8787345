#pragma once
// Application: one instance only, the command line, the status sheet run modally, help.

#include <string>
#include <vector>

#include "context/app_context.h"

namespace zlx::app {

class Application {
  public:
    explicit Application(context::AppContext& context) : ctx_(context) {}

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

    context::AppContext& ctx_;
};

}  // namespace zlx::app
