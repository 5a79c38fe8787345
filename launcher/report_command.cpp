#include "launcher/report_command.h"

#include "app/process_start.h"
#include "clientsuite/suite_report.h"
#include "launcher/exit_status.h"
#include "launcher/headless_run.h"
#include "launcher/simulated_program.h"
#include "ui/headless.h"

namespace zlx::launcher {

int runReportCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    auto scenario = loadScenario(options, err);
    if (!scenario) return kExitCouldNotRun;
    ScriptedInstanceScope instanceScope;
    if (!instanceScope.usable(err)) return kExitCouldNotRun;
    platform::ManualClock clock(scenario->machine.localTimeStart);
    ui::HeadlessServices services;
    SimulatedProgram program(*scenario, clock, services, instanceScope.path(), processHandleBase());
    app::initialiseProcess(program.application().adapterState());
    auto report = clientsuite::runReport(program.context(), clock, [&err](const std::string& step) {
        err << "zlxdiag: " << step << "\n";
    });
    out << (options.reportFormat == ReportFormat::Json ? clientsuite::formatReportJson(*report)
                                                       : clientsuite::formatReportText(*report));
    return clientsuite::reportExitStatus(report->suite);
}

}  // namespace zlx::launcher
