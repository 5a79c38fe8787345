// zlxdiag: the program on the simulated Windows machine.

#include <iostream>
#include <string>
#include <vector>

#include "launcher/entry.h"
#include "launcher/headless_run.h"
#include "launcher/options.h"

using namespace zlx::launcher;

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    LaunchOptions options;
    try {
        options = parseLaunchOptions(arguments);
    } catch (const UsageError& e) {
        std::cerr << "zlxdiag: " << e.what() << "\n" << usageText();
        return 64;
    }
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.version) {
        std::cout << "zlxdiag 1.0\n";
        return 0;
    }
    std::string script = kReportScript;
    if (options.scriptPath) {
        std::string error;
        if (!readTextFile(*options.scriptPath, script, error)) {
            std::cerr << "zlxdiag: " << error << "\n";
            return 2;
        }
    }
    return runHeadless(options, script, std::cout, std::cerr);
}
