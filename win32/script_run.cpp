#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/simulated_program.h"
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
    auto scenario = launcher::loadScenario(options, err);
    if (!scenario) return launcher::kExitCouldNotRun;
    auto commands = launcher::loadScript(scriptText, err);
    if (!commands) return launcher::kExitCouldNotRun;
    launcher::ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return launcher::kExitCouldNotRun;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    platform::ManualClock clock(scenario->machine.localTimeStart);
    ui::HeadlessServices services;
    launcher::SimulatedProgram program(
        *scenario, clock, services, instanceScope.path(), launcher::processHandleBase(),
        scriptmode::readsCalls(*commands) ? platform::sim::CallRecording::Kept
                                          : platform::sim::CallRecording::Off);
    Renderer renderer(program.desktop(), instance);
    HelpStandIn help(instance);
    program.machine().setHelpViewer([&help](const std::string& path) { help.showFor(path); });
    ui::HeadlessDriver driver(program.desktop(), clock);
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
