#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/program.h"
#include "launcher/run_machine.h"
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
    auto machine = launcher::chooseMachine(options, err);
    if (!machine) return launcher::kExitCouldNotRun;
    auto folder = launcher::sharedInstanceScope(err);
    if (!folder) return launcher::kExitCouldNotRun;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    platform::RealClock clock;
    Win32Services services(instance);
    launcher::Program program(*machine, clock, services, *folder, launcher::processHandleBase());
    Renderer renderer(program.desktop(), instance);
    HelpStandIn help(instance);
    // Help on the real machine goes to HTML Help; a simulated one shows what it would open.
    if (platform::sim::SimMachine* simulated = program.simulated())
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
