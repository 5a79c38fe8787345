#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/simulated_program.h"
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
    auto scenario = launcher::loadScenario(options, err);
    if (!scenario) return launcher::kExitCouldNotRun;
    auto folder = launcher::sharedInstanceScope(err);
    if (!folder) return launcher::kExitCouldNotRun;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    platform::RealClock clock;
    Win32Services services(instance);
    launcher::SimulatedProgram program(*scenario, clock, services, *folder,
                                       launcher::processHandleBase());
    Renderer renderer(program.desktop(), instance);
    HelpStandIn help(instance);
    program.machine().setHelpViewer([&help](const std::string& path) { help.showFor(path); });
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
