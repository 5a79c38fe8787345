// zlxdiag.exe: the program with its Win32 front end. It runs every mode: a run that draws a
// window draws it with Windows' own dialog manager, and the text modes print to the standard
// handles it was given or to its parent's console (zlxdiag.com, the console twin, is what a
// shell finds first and runs the text modes itself).

#include <iostream>

#include "launcher/command_line.h"
#include "launcher/front_end.h"
#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "platform/console.h"
#include "platform/win32/system_library.h"
#include "win32/console_attach.h"
#include "win32/runs.h"

using namespace zlx::launcher;

int main(int argc, char** argv) {
    zlx::platform::win32::loadLibrariesFromSystemFolderOnly();
    const std::vector<std::string> arguments = zlx::platform::commandLineArguments(argc, argv);
    // The plain window holds no console: closing the shell that started it, or Ctrl+C there,
    // leaves the window alone.
    if (printsToConsole(arguments)) zlx::win32::useParentConsole();
    zlx::platform::StandardStreams standardStreams;
    CommandLineStart start = startCommandLine(arguments, std::cout, std::cerr);
    if (start.exitStatus) return *start.exitStatus;
    const LaunchOptions& options = start.options;
    if (options.headless) return runHeadless(options, start.script, std::cout, std::cerr);
    if (options.scriptPath)
        return zlx::win32::runScriptOnWin32(options, start.script, std::cout, std::cerr);
    return zlx::win32::runInteractive(options, std::cerr);
}
