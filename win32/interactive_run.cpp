#include "launcher/exit_status.h"
#include "launcher/program_run.h"
#include "launcher/run_parts.h"
#include "platform/termination_signals.h"
#include "win32/help_window.h"
#include "win32/loop_driver.h"
#include "win32/renderer.h"
#include "win32/runs.h"
#include "win32/services.h"

namespace zlx::win32 {

namespace {
constexpr UINT kSignalWatchInterval = 100;  // ms
}  // namespace

int runInteractive(const launcher::LaunchOptions& options, std::ostream& err) {
    platform::TerminationSignals terminations;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    Win32Services services(instance);
    auto run = launcher::ProgramRun::make(
        options, {launcher::RunClock::Real, launcher::RunScope::Shared}, services, err);
    if (!run) return launcher::kExitCouldNotRun;
    launcher::Program& program = run->program();
    Renderer renderer(program.desktop(), instance);
    HelpStandIn help(instance, renderer.icons());
    // Help on the real machine goes to HTML Help; a simulated one shows what it would open.
    if (sim::SimMachine* simulated = program.simulated())
        simulated->setHelpViewer([&help](const std::string& path) { help.showFor(path); });
    services.setOwnerLookup(
        [&renderer](ui::WindowHandle window) { return renderer.windowOf(window); });
    Win32LoopDriver driver(program.desktop(), renderer, instance);
    // A termination request only marks itself: this turns it into the end of the loops on the
    // user-interface thread.
    driver.watchForEnd([&terminations] { return terminations.received() != 0; },
                       kSignalWatchInterval);
    return terminations.exitStatus(launcher::runProgram(program, options.systemArguments, err));
}

}  // namespace zlx::win32
