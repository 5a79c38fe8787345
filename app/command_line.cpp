#include "app/command_line.h"

#include "platform/text.h"

namespace zlx::app {

void applyCommandLine(const std::vector<std::string>& arguments, context::CommandLineFlags& flags) {
    for (const std::string& argument : arguments) {
        std::string option = platform::toLowerAscii(argument);
        if (option == "-u") {
            flags.serviceControlOff = true;
        } else if (option == "-d") {
            flags.serviceControlForced = true;
            flags.serviceControlOff = false;
        }
        // "-a" is recognised and has no effect, like any other argument.
        if (flags.serviceControlForced) flags.serviceControlOff = false;
    }
}

}  // namespace zlx::app
