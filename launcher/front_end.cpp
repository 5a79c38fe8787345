#include "launcher/front_end.h"

#include <cstdlib>

namespace zlx::launcher {

std::string processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool hasDisplay(const Environment& environment) {
    return !environment("DISPLAY").empty() || !environment("WAYLAND_DISPLAY").empty() ||
           !environment("QT_QPA_PLATFORM").empty();
}

std::string displayName(const Environment& environment) {
    std::string wayland = environment("WAYLAND_DISPLAY");
    return "\"" + (wayland.empty() ? environment("DISPLAY") : wayland) + "\"";
}

bool printsToConsole(const std::vector<std::string>& arguments) {
    try {
        const LaunchOptions o = parseLaunchOptions(arguments);
        return o.help || o.version || o.report || o.status || o.watch || o.headless ||
               o.scriptPath.has_value();
    } catch (const UsageError&) {
        return true;
    }
}

FrontEnd chooseFrontEnd(const LaunchOptions& options, bool displayAvailable) {
    if (options.headless) return FrontEnd::Text;
    // Pictures and transcripts must not depend on the screen, so a script draws offscreen
    // whether or not there is one.
    if (options.scriptPath) return FrontEnd::WindowScript;
    return displayAvailable ? FrontEnd::Window : FrontEnd::Text;
}

}  // namespace zlx::launcher
