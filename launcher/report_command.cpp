#include "launcher/report_command.h"

#include "app/process_start.h"
#include "clientsuite/report_prometheus.h"
#include "clientsuite/suite_report.h"
#include "launcher/checked_output.h"
#include "launcher/exit_status.h"
#include "launcher/named_adapter.h"
#include "launcher/program_run.h"
#include "platform/termination_signals.h"
#include "ui/headless.h"

namespace zlx::launcher {

int runReportCommand(const LaunchOptions& options, std::ostream& out, std::ostream& err) {
    // Before anything is made, so that a signal at any point removes what the run made.
    platform::TerminationSignals terminations;
    ui::HeadlessServices services;
    auto run = ProgramRun::make(options, {}, services, err);
    if (!run) return kExitCouldNotRun;
    Program& program = run->program();
    app::initialiseProcess(program.application().adapterState());
    auto adapter = namedAdapter(program, options, err);
    if (!adapter) return kExitCouldNotRun;
    auto report = clientsuite::runReport(
        program.context(), run->clock(), *adapter,
        // One write a line: standard error writes each insertion at once.
        [&err](const std::string& step) { err << "zlxdiag: " + step + "\n"; },
        [&terminations] { return terminations.received() != 0; });
    // A run a signal ended is no result: nothing is printed that a script could take for one.
    if (terminations.received()) return terminations.exitStatus(0);
    out << (options.reportFormat == ReportFormat::Json ? clientsuite::formatReportJson(*report)
            : options.reportFormat == ReportFormat::Prometheus
                ? clientsuite::formatReportPrometheus(*report)
                : clientsuite::formatReportText(*report));
    // A request that came while a reader kept the report waiting ended the write.
    out.flush();
    if (terminations.received()) return terminations.exitStatus(0);
    // A script reading the report must not take a report that never arrived for a result.
    if (!writeChecked(out, {}, err, "the report")) return kExitCouldNotRun;
    return clientsuite::reportExitStatus(report->suite);
}

}  // namespace zlx::launcher
