#pragma once
// Which front end a run needs. Only a run that draws a window, on the screen or offscreen for a
// script's pictures, needs the window program; every other mode runs as text in this one and
// never loads a GUI toolkit.

#include <functional>
#include <string>
#include <vector>

#include "launcher/options.h"

namespace zlx::launcher {

// Reads one environment variable; empty when unset.
using Environment = std::function<std::string(const char*)>;
std::string processEnvironment(const char* name);

// A display to show windows on: X11, Wayland, or a Qt platform chosen explicitly.
bool hasDisplay(const Environment& environment);

// The display the environment names, quoted, for messages: Wayland's when set, else X11's.
std::string displayName(const Environment& environment);

enum class FrontEnd {
    Text,          // the headless desktop: scripts, and the window shown as text
    Window,        // the window program, on the screen
    WindowScript,  // the window program drawing offscreen, a script driving it
};

// The report, the help and the version end before this is asked.
FrontEnd chooseFrontEnd(const LaunchOptions& options, bool displayAvailable);

// Whether a run with these arguments prints to the standard streams: every mode but the
// plain window does (a usage error too). The Windows GUI program takes its parent's console
// only then, so that closing that console or pressing Ctrl+C in it never ends a window.
bool printsToConsole(const std::vector<std::string>& arguments);

// The window program's file name, found beside zlxdiag or in its installed folder. On Windows
// it is the GUI program beside the console twin zlxdiag.com.
#ifdef _WIN32
inline constexpr const char* kWindowProgramName = "zlxdiag.exe";
#else
inline constexpr const char* kWindowProgramName = "zlxdiag-window";
#endif

}  // namespace zlx::launcher
