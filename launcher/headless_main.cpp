// zlxdiag without a window front end: the program on the simulated machine, run headless,
// scripted or as the report. The Windows build is this program for now.

#include <iostream>

#include "launcher/command_line.h"
#include "launcher/headless_run.h"
#include "platform/console.h"

int main(int argc, char** argv) {
    using namespace zlx;
    platform::useBinaryStandardStreams();
    launcher::CommandLineStart start = launcher::startCommandLine(
        platform::commandLineArguments(argc, argv), std::cout, std::cerr);
    if (start.exitStatus) return *start.exitStatus;
    if (!start.options.headless && !start.options.scriptPath)
        std::cerr << "zlxdiag: this build has no window front end; showing the window as text.\n";
    return launcher::runHeadless(start.options, start.script, std::cout, std::cerr);
}
