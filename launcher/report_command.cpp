#include "launcher/report_command.h"

#include <memory>

#include "app/process_start.h"
#include "clientsuite/suite_report.h"
#include "launcher/entry.h"
#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/program.h"
#include "launcher/run_machine.h"
#include "platform/termination_signals.h"
#include "platform/text.h"
#include "ui/headless.h"

namespace zlx::launcher {

int runReportCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    // Before anything is made, so that a signal at any point removes what the run made.
    platform::TerminationSignals terminations;
    auto machine = chooseMachine(options, err);
    if (!machine) return kExitCouldNotRun;
    ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return kExitCouldNotRun;
    std::unique_ptr<platform::Clock> clock;
    if (machine->real())
        clock = std::make_unique<platform::RealClock>();
    else
        clock = std::make_unique<platform::ManualClock>(machine->scenario->machine.localTimeStart);
    ui::HeadlessServices services;
    Program program(*machine, *clock, services, instanceScope.path(), processHandleBase());
    app::initialiseProcess(program.application().adapterState());
    auto adapter = clientsuite::chooseReportAdapter(program.context(), options.reportAdapter);
    if (!adapter) {
        std::string choices = clientsuite::interfaceChoices(program.context());
        err << platform::escapeControls(
            "zlxdiag: --adapter " + *options.reportAdapter +
                ": no wireless interface has this description or GUID; " +
                (choices.empty() ? "the machine has none\n" : "there are:\n" + choices),
            platform::Escape::No, platform::Escape::No);
        return kExitCouldNotRun;
    }
    auto report = clientsuite::runReport(
        program.context(), *clock, *adapter,
        [&err](const std::string& step) { err << "zlxdiag: " << step << "\n"; },
        [&terminations] { return terminations.received() != 0; });
    // A run a signal ended is no result: nothing is printed that a script could take for one.
    if (terminations.received()) return terminations.exitStatus(0);
    out << (options.reportFormat == ReportFormat::Json ? clientsuite::formatReportJson(*report)
                                                       : clientsuite::formatReportText(*report));
    // A script reading the report must not take a report that never arrived for a result.
    if (!finishOutput(out, err, "the report")) return kExitCouldNotRun;
    return clientsuite::reportExitStatus(report->suite);
}

}  // namespace zlx::launcher
