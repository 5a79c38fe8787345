#include "launcher/command_line.h"

#include "launcher/checked_output.h"
#include "launcher/entry.h"
#include "launcher/exit_status.h"
#include "launcher/report_command.h"
#include "launcher/status_command.h"

namespace zlx::launcher {

CommandLineStart startCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& err) {
    CommandLineStart start;
    try {
        start.options = parseLaunchOptions(arguments);
    } catch (const UsageError& e) {
        err << "zlxdiag: " << e.what() << "\nTry 'zlxdiag --help' for more information.\n";
        start.exitStatus = kExitUsage;
        return start;
    }
    const LaunchOptions& options = start.options;
    if (options.help || options.version) {
        // Checked like every mode's output: a script asking for the version must not take
        // nothing for it.
        const std::string text = options.help ? usageText() : "zlxdiag " ZLX_VERSION "\n";
        start.exitStatus = writeChecked(out, text, err) ? kExitSuccess : kExitCouldNotRun;
    } else if (options.report) {
        start.exitStatus = runReportCommand(options, out, err);
    } else if (options.status) {
        start.exitStatus = runStatusCommand(options, out, err);
    } else if (options.watch) {
        start.exitStatus = runWatchCommand(options, out, err);
    } else if (options.scriptPath) {
        std::string error;
        if (!readTextFile(*options.scriptPath, start.script, error)) {
            err << "zlxdiag: " << error << "\n";
            start.exitStatus = kExitCouldNotRun;
        }
    } else {
        start.script = kReportScript;
    }
    return start;
}

}  // namespace zlx::launcher
