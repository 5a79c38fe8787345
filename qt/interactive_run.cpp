#include "qt/interactive_run.h"

#include <QApplication>

#include "launcher/headless_run.h"
#include "launcher/simulated_program.h"
#include "qt/help_stand_in.h"
#include "qt/qt_loop_driver.h"
#include "qt/qt_services.h"
#include "qt/renderer.h"

namespace zlx::qt {

int runInteractive(const launcher::LaunchOptions& options, std::ostream& err) {
    auto scenario = launcher::loadScenario(options, err);
    if (!scenario) return 1;
    auto folder = launcher::sharedInstanceScope(err);
    if (!folder) return 1;

    platform::RealClock clock;
    QtServices services;
    launcher::SimulatedProgram program(*scenario, clock, services, *folder,
                                       launcher::processHandleBase());
    Renderer renderer(program.desktop(), QApplication::font());
    HelpStandIn help;
    program.machine().setHelpViewer([&help](const std::string& path) { help.showFor(path); });
    services.setOwnerLookup(
        [&renderer](ui::WindowHandle window) { return renderer.windowWidget(window); });
    QtLoopDriver driver(program.desktop());
    return launcher::runProgram(program, options.systemArguments, err);
}

}  // namespace zlx::qt
