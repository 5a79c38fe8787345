#include "launcher/command_line.h"

#include "launcher/checked_output.h"
#include "launcher/exit_status.h"
#include "launcher/report_command.h"
#include "launcher/status_command.h"
#include "platform/local_files.h"

namespace zlx::launcher {

bool readTextFile(const std::string& path, std::string& text, std::string& error) {
    platform::LocalFileRead file = platform::readLocalFile(path);
    switch (file.status) {
        case platform::LocalFileRead::Status::Read:
            text = std::move(file.bytes);
            return true;
        case platform::LocalFileRead::Status::Folder:
            error = path + ": is a folder, not a script file";
            return false;
        case platform::LocalFileRead::Status::Unreadable:
            break;
    }
    error = path + ": " + file.reason;
    return false;
}

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
        start.exitStatus = writeChecked(out, text, err, options.help ? "the help" : "the version")
                               ? kExitSuccess
                               : kExitCouldNotRun;
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
