// zlxdiag-window: the program with its Qt front end, which zlxdiag becomes when a run draws a
// window. Run on its own it behaves as zlxdiag does.

#include <iostream>

#include "launcher/command_line.h"
#include "launcher/front_end.h"
#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "platform/console.h"
#include "qt/interactive_run.h"
#include "qt/script_run.h"
#include "qt/startup.h"

using namespace zlx::launcher;

int main(int argc, char** argv) {
    zlx::platform::StandardStreams standardStreams;
    CommandLineStart start =
        startCommandLine(zlx::platform::commandLineArguments(argc, argv), std::cout, std::cerr);
    if (start.exitStatus) return *start.exitStatus;
    const LaunchOptions& options = start.options;
    if (options.headless) return runHeadless(options, start.script, std::cout, std::cerr);
    if (options.scriptPath) {
        // Pictures and transcripts must not depend on the screen: drawn offscreen unless a Qt
        // platform is chosen explicitly.
        zlx::qt::QtApplication app(argv[0], true);
        return zlx::qt::runScriptOnQt(options, start.script, std::cout, std::cerr);
    }
    if (!hasDisplay(processEnvironment)) {
        std::cerr << "zlxdiag: no display; showing the window as text.\n";
        return runHeadless(options, start.script, std::cout, std::cerr);
    }
    zlx::qt::QtApplication app(argv[0], false);
    if (app.displayUnavailable()) {
        std::cerr << "zlxdiag: the display " << displayName(processEnvironment)
                  << " cannot be opened; showing the window as text.\n";
        return runHeadless(options, start.script, std::cout, std::cerr);
    }
    return zlx::qt::runInteractive(options, std::cerr);
}
