#include <memory>

#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/program.h"
#include "launcher/run_machine.h"
#include "scriptmode/script_runner.h"
#include "ui/headless.h"
#include "win32/help_window.h"
#include "win32/loop_driver.h"
#include "win32/renderer.h"
#include "win32/runs.h"
#include "win32/screenshots.h"

namespace zlx::win32 {

namespace {

// Before each command of the script the windows catch up with the model, so what the command
// looks at (or a "shot" pictures) is what a person sees.
class SettledInput final : public ui::InputSource {
  public:
    explicit SettledInput(ui::InputSource& script) : script_(script) {}
    bool runNext() override {
        // The driver calls this only at rest: nothing queued, nothing due, no thread busy.
        drainWindowMessages();
        return script_.runNext();
    }

  private:
    ui::InputSource& script_;
};

}  // namespace

int runScriptOnWin32(const launcher::LaunchOptions& options, const std::string& scriptText,
                     std::ostream& out, std::ostream& err) {
    auto machine = launcher::chooseMachine(options, err);
    if (!machine) return launcher::kExitCouldNotRun;
    auto commands = launcher::loadScript(scriptText, err);
    if (!commands) return launcher::kExitCouldNotRun;
    launcher::ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return launcher::kExitCouldNotRun;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // The real machine runs on real time; a simulated one on the script's own clock.
    std::unique_ptr<platform::Clock> clock;
    if (machine->real())
        clock = std::make_unique<platform::RealClock>();
    else
        clock = std::make_unique<platform::ManualClock>(machine->scenario->machine.localTimeStart);
    ui::HeadlessServices services;
    launcher::Program program(
        *machine, *clock, services, instanceScope.path(), launcher::processHandleBase(),
        scriptmode::readsCalls(*commands) ? platform::sim::CallRecording::Kept
                                          : platform::sim::CallRecording::Off);
    Renderer renderer(program.desktop(), instance);
    HelpStandIn help(instance);
    if (platform::sim::SimMachine* simulated = program.simulated())
        simulated->setHelpViewer([&help](const std::string& path) { help.showFor(path); });
    ui::HeadlessDriver driver(program.desktop(), *clock);
    scriptmode::ScriptHooks hooks = program.scriptHooks();
    if (options.screenshotDir) {
        hooks.shot = [&renderer, &help, dir = *options.screenshotDir](const std::string& name) {
            drainWindowMessages();
            std::vector<HWND> windows;
            for (WindowView* view : renderer.topLevelViews()) windows.push_back(view->hwnd());
            windows.push_back(help.hwnd());
            ScreenshotResult result = writeScreenshots(windows, dir, name);
            if (!result.error.empty())
                throw scriptmode::ScriptError("shot " + name + ": " + result.error);
        };
    }
    scriptmode::ScriptRunner runner(std::move(*commands), program.desktop(), driver, services,
                                    std::move(hooks), out);
    SettledInput input(runner);
    driver.setInput(&input);
    return launcher::runScripted(program, runner, options.systemArguments, out, err);
}

}  // namespace zlx::win32
