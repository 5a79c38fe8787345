// zlxdiag: the program on the simulated Windows machine.

#include <iostream>
#include <string>
#include <vector>

#include "launcher/entry.h"
#include "launcher/headless_run.h"
#include "launcher/options.h"
#include "launcher/report_command.h"
#include "qt/interactive_run.h"
#include "qt/script_run.h"
#include "qt/startup.h"

using namespace zlx::launcher;

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    LaunchOptions options;
    try {
        options = parseLaunchOptions(arguments);
    } catch (const UsageError& e) {
        std::cerr << "zlxdiag: " << e.what() << "\n" << usageText();
        return asksForReport(arguments) ? kReportUsageError : 64;
    }
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.version) {
        std::cout << "zlxdiag 1.0\n";
        return 0;
    }
    if (options.report) return runReportCommand(options, std::cout, std::cerr);
    std::string script = kReportScript;
    if (options.scriptPath) {
        std::string error;
        if (!readTextFile(*options.scriptPath, script, error)) {
            std::cerr << "zlxdiag: " << error << "\n";
            return 2;
        }
    }
    if (options.headless) return runHeadless(options, script, std::cout, std::cerr);
    if (options.scriptPath) {
        // Pictures and transcripts must not depend on the screen: drawn offscreen unless a Qt
        // platform is chosen explicitly.
        zlx::qt::QtApplication app(argv[0], true);
        return zlx::qt::runScriptOnQt(options, script, std::cout, std::cerr);
    }
    if (!zlx::qt::hasDisplay(zlx::qt::processEnvironment)) {
        std::cerr << "zlxdiag: no display; showing the window as text.\n";
        return runHeadless(options, kReportScript, std::cout, std::cerr);
    }
    zlx::qt::QtApplication app(argv[0], false);
    if (app.displayUnavailable()) {
        std::cerr << "zlxdiag: the display " << zlx::qt::displayName(zlx::qt::processEnvironment)
                  << " cannot be opened; showing the window as text.\n";
        return runHeadless(options, kReportScript, std::cout, std::cerr);
    }
    return zlx::qt::runInteractive(options, std::cerr);
}
