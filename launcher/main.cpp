// zlxdiag: the program, on the machine it runs on (Windows) or a simulated one. The command-line
// modes run here and load no GUI toolkit; a run that draws a window becomes the window program,
// which takes the same arguments. On Windows this is zlxdiag.com, the console twin of the GUI
// program zlxdiag.exe: a shell finds it first and waits for it.

#include <iostream>

#include "launcher/command_line.h"
#include "launcher/exit_status.h"
#include "launcher/front_end.h"
#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "platform/console.h"
#ifdef _WIN32
#include "platform/win32/companion_program.h"
#include "platform/win32/system_library.h"
#include "platform/win32/wide_text.h"
#else
#include "platform/posix/companion_program.h"
#endif

int main(int argc, char** argv) {
    using namespace zlx;
#ifdef _WIN32
    platform::win32::loadLibrariesFromSystemFolderOnly();
#endif
    platform::StandardStreams standardStreams;
    launcher::CommandLineStart start = launcher::startCommandLine(
        platform::commandLineArguments(argc, argv), std::cout, std::cerr);
    if (start.exitStatus) return *start.exitStatus;
    const launcher::LaunchOptions& options = start.options;
#ifdef _WIN32
    bool display = true;  // a Windows session always has a desktop to draw on
#else
    bool display = launcher::hasDisplay(launcher::processEnvironment);
#endif
    launcher::FrontEnd frontEnd = launcher::chooseFrontEnd(options, display);
    if (frontEnd != launcher::FrontEnd::Text) {
#ifdef _WIN32
        if (auto program = platform::win32::companionProgram(
                platform::win32::toWide(launcher::kWindowProgramName))) {
            // A script's transcript and status are this run's: wait for them. A window is left
            // to itself, so the shell has its prompt back.
            bool wait = frontEnd == launcher::FrontEnd::WindowScript;
            std::cout.flush();
            auto run = platform::win32::runCompanionProgram(*program, wait);
            if (run.started) return run.exitStatus;
            std::cerr << "zlxdiag: cannot start " << launcher::kWindowProgramName << ": "
                      << run.error << "\n";
            return launcher::kExitCouldNotRun;
        }
#else
        if (auto program = platform::posix::companionProgram(launcher::kWindowProgramName,
                                                             ZLX_WINDOW_PROGRAM_FOLDER)) {
            std::cout.flush();
            std::string error = platform::posix::replaceProcess(*program, argv);
            std::cerr << "zlxdiag: cannot start " << *program << ": " << error << "\n";
            return launcher::kExitCouldNotRun;
        }
#endif
        if (frontEnd == launcher::FrontEnd::Window)
            std::cerr << "zlxdiag: this build has no window front end; showing the window as "
                         "text.\n";
    } else if (!options.headless) {
        std::cerr << "zlxdiag: no display; showing the window as text.\n";
    }
    return launcher::runHeadless(options, start.script, std::cout, std::cerr);
}
