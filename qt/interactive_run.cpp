#include "qt/interactive_run.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "launcher/exit_status.h"
#include "launcher/program_run.h"
#include "launcher/run_parts.h"
#include "platform/termination_signals.h"
#include "qt/help_stand_in.h"
#include "qt/qt_loop_driver.h"
#include "qt/qt_services.h"
#include "qt/renderer.h"

namespace zlx::qt {

namespace {
constexpr int kSignalWatchInterval = 100;  // ms
}  // namespace

int runInteractive(const launcher::LaunchOptions& options, std::ostream& err) {
    platform::TerminationSignals terminations;
    QtServices services;
    auto run = launcher::ProgramRun::make(
        options, {launcher::RunClock::Real, launcher::RunScope::Shared}, services, err);
    if (!run) return launcher::kExitCouldNotRun;
    launcher::Program& program = run->program();
    Renderer renderer(program.desktop(), QApplication::font());
    // Made when help is first asked for: its window and icon are no part of the first paint.
    std::unique_ptr<HelpStandIn> help;
    if (sim::SimMachine* machine = program.simulated())
        machine->setHelpViewer([&help](const std::string& path) {
            if (!help) help = std::make_unique<HelpStandIn>();
            help->showFor(path);
        });
    services.setOwnerLookup(
        [&renderer](ui::WindowHandle window) { return renderer.windowWidget(window); });
    QtLoopDriver driver(program.desktop());
    // A termination signal only marks itself: this timer turns it into the end of the loops on
    // the user-interface thread, closing a box or dialog of Qt's own first.
    QTimer signalWatch;
    QObject::connect(&signalWatch, &QTimer::timeout, [&terminations, &program] {
        if (!terminations.received()) return;
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        program.desktop().quit();
    });
    signalWatch.start(kSignalWatchInterval);
    return terminations.exitStatus(launcher::runProgram(program, options.systemArguments, err));
}

}  // namespace zlx::qt
