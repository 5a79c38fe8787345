#include "launcher/scripted_run.h"

#include "launcher/exit_status.h"
#include "launcher/program_run.h"
#include "launcher/run_parts.h"
#include "platform/termination_signals.h"
#include "scriptmode/script_runner.h"
#include "ui/headless.h"

namespace zlx::launcher {

namespace {

// The script's next command, after the front end's windows have caught up.
class SettledInput final : public ui::InputSource {
  public:
    SettledInput(ui::InputSource& script, ScriptFrontEnd* frontEnd)
        : script_(script), frontEnd_(frontEnd) {}
    bool runNext() override {
        if (frontEnd_) frontEnd_->settle();
        return script_.runNext();
    }

  private:
    ui::InputSource& script_;
    ScriptFrontEnd* frontEnd_;
};

}  // namespace

int runScript(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
              std::ostream& err, const MakeScriptFrontEnd& makeFrontEnd) {
    platform::TerminationSignals terminations;
    auto commands = loadScript(scriptText, err);
    if (!commands) return kExitCouldNotRun;
    ui::HeadlessServices services;
    RunRecipe recipe;
    recipe.recording =
        scriptmode::readsCalls(*commands) ? sim::CallRecording::Kept : sim::CallRecording::Off;
    auto run = ProgramRun::make(options, recipe, services, err);
    if (!run) return kExitCouldNotRun;
    Program& program = run->program();
    std::unique_ptr<ScriptFrontEnd> frontEnd = makeFrontEnd ? makeFrontEnd(program) : nullptr;
    if (sim::SimMachine* simulated = program.simulated(); simulated && frontEnd)
        simulated->setHelpViewer(
            [front = frontEnd.get()](const std::string& path) { front->showHelp(path); });
    ui::HeadlessDriver driver(program.desktop(), run->clock());
    scriptmode::ScriptHooks hooks = program.scriptHooks();
    if (frontEnd && options.screenshotDir)
        hooks.shot = [front = frontEnd.get(), folder = *options.screenshotDir](
                         const std::string& name) { front->shot(folder, name); };
    scriptmode::ScriptRunner runner(std::move(*commands), program.desktop(), driver, services,
                                    std::move(hooks), out);
    SettledInput input(runner, frontEnd.get());
    driver.setInput(&input);
    driver.setInterruption([&terminations] { return terminations.received() != 0; });
    return runScripted(program, runner, options.systemArguments, out, err, &terminations);
}

int runHeadless(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
                std::ostream& err) {
    return runScript(options, scriptText, out, err);
}

}  // namespace zlx::launcher
