#include "qt/script_run.h"

#include <QApplication>

#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/program.h"
#include "launcher/run_machine.h"
#include "platform/termination_signals.h"
#include "qt/help_stand_in.h"
#include "qt/qt_input.h"
#include "qt/renderer.h"
#include "qt/screenshots.h"
#include "scriptmode/script_runner.h"
#include "ui/headless.h"

namespace zlx::qt {

int runScriptOnQt(const launcher::LaunchOptions& options, const std::string& scriptText,
                  std::ostream& out, std::ostream& err) {
    // Before anything is made, so that a signal at any point removes what the run made.
    platform::TerminationSignals terminations;
    auto machine = launcher::chooseMachine(options, err);
    if (!machine) return launcher::kExitCouldNotRun;
    auto commands = launcher::loadScript(scriptText, err);
    if (!commands) return launcher::kExitCouldNotRun;
    launcher::ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return launcher::kExitCouldNotRun;
    platform::ManualClock clock(machine->scenario->machine.localTimeStart);
    ui::HeadlessServices services;
    launcher::Program program(
        *machine, clock, services, instanceScope.path(), launcher::processHandleBase(),
        scriptmode::readsCalls(*commands) ? platform::sim::CallRecording::Kept
                                          : platform::sim::CallRecording::Off);
    Renderer renderer(program.desktop(), QApplication::font());
    HelpStandIn help;
    program.simulated()->setHelpViewer([&help](const std::string& path) { help.showFor(path); });
    ui::HeadlessDriver driver(program.desktop(), clock);
    scriptmode::ScriptHooks hooks = program.scriptHooks();
    if (options.screenshotDir) {
        QString dir = QString::fromStdString(*options.screenshotDir);
        hooks.shot = [&renderer, dir](const std::string& name) {
            ScreenshotResult result = writeScreenshots(renderer, dir, QString::fromStdString(name));
            if (!result.error.empty())
                throw scriptmode::ScriptError("shot " + name + ": " + result.error);
        };
    }
    scriptmode::ScriptRunner runner(std::move(*commands), program.desktop(), driver, services,
                                    std::move(hooks), out);
    SettledQtInput input(runner);
    driver.setInput(&input);
    driver.setInterruption([&terminations] { return terminations.received() != 0; });
    return launcher::runScripted(program, runner, options.systemArguments, out, err, &terminations);
}

}  // namespace zlx::qt
