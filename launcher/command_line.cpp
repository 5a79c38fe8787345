#include "launcher/command_line.h"

#include "launcher/entry.h"
#include "launcher/report_command.h"

namespace zlx::launcher {

namespace {
constexpr int kUsageStatus = 64;
constexpr int kScriptUnreadableStatus = 2;
}  // namespace

CommandLineStart startCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                                  std::ostream& err) {
    CommandLineStart start;
    try {
        start.options = parseLaunchOptions(arguments);
    } catch (const UsageError& e) {
        err << "zlxdiag: " << e.what() << "\n" << usageText();
        start.exitStatus = asksForReport(arguments) ? kReportUsageError : kUsageStatus;
        return start;
    }
    const LaunchOptions& options = start.options;
    if (options.help) {
        out << usageText();
        start.exitStatus = 0;
    } else if (options.version) {
        out << "zlxdiag " ZLX_VERSION "\n";
        start.exitStatus = 0;
    } else if (options.report) {
        start.exitStatus = runReportCommand(options, out, err);
    } else if (options.scriptPath) {
        std::string error;
        if (!readTextFile(*options.scriptPath, start.script, error)) {
            err << "zlxdiag: " << error << "\n";
            start.exitStatus = kScriptUnreadableStatus;
        }
    } else {
        start.script = kReportScript;
    }
    return start;
}

}  // namespace zlx::launcher
