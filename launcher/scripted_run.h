#pragma once
// A run driven by a script: the program made by the one recipe (program_run.h), the headless
// driver on its clock, and the script's commands fed to it at rest. A front end that draws the
// windows joins in through ScriptFrontEnd; without one the run is the headless text mode.

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "launcher/options.h"
#include "launcher/program.h"

namespace zlx::launcher {

// What a front end brings to a scripted run once the program exists: its windows, a viewer for
// the help files the simulated machine opens, the pictures "shot" takes, and the moment before
// each command when its windows catch up with the model.
class ScriptFrontEnd {
  public:
    virtual ~ScriptFrontEnd() = default;
    virtual void showHelp(const std::string& path) = 0;
    // Writes the pictures named `name` into `folder`; throws scriptmode::ScriptError when it
    // cannot.
    virtual void shot(const std::string& folder, const std::string& name) = 0;
    // Runs before each command, with nothing queued, nothing due and no thread busy.
    virtual void settle() {}
};

using MakeScriptFrontEnd = std::function<std::unique_ptr<ScriptFrontEnd>(Program&)>;

// Runs the script `scriptText` on the machine the options choose; the transcript goes to
// `out`, errors to `err`. Returns the exit status (exit_status.h).
int runScript(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
              std::ostream& err, const MakeScriptFrontEnd& makeFrontEnd = {});

// The script on the headless desktop, the window shown as text.
int runHeadless(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
                std::ostream& err);

}  // namespace zlx::launcher
