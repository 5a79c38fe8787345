#include "launcher/options.h"

namespace zlx::launcher {

LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    auto value = [&](std::size_t& i) -> std::string {
        if (i + 1 >= arguments.size()) throw UsageError(arguments[i] + " needs a value");
        return arguments[++i];
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--scenario")
            options.scenarioPath = value(i);
        else if (a == "--script")
            options.scriptPath = value(i);
        else if (a == "--screenshot")
            options.screenshotDir = value(i);
        else if (a == "--headless")
            options.headless = true;
        else if (a == "--report")
            options.report = true;
        else if (a == "--help")
            options.help = true;
        else if (a == "--version")
            options.version = true;
        else
            options.systemArguments.push_back(a);
    }
    if (options.headless && !options.scriptPath && !options.report)
        throw UsageError("--headless needs --script FILE");
    return options;
}

std::string usageText() {
    return "Usage: zlxdiag [--scenario FILE] [-u] [-d] [-a]\n"
           "       zlxdiag --headless [--scenario FILE] [-u] [-d] --script FILE\n"
           "       zlxdiag [--scenario FILE] --script FILE --screenshot DIR\n"
           "\n"
           "  --scenario FILE   run on the simulated machine FILE describes (default: built in)\n"
           "  --headless        no windows: the headless desktop and a manual clock\n"
           "  --script FILE     execute FILE's commands and print a transcript\n"
           "  --screenshot DIR  where the script's \"shot\" command writes its pictures\n"
           "  --report          print what the program shows and exit\n"
           "  -u                send no service control message to the IHV service\n"
           "  -d                send them even with -u\n"
           "  --help, --version\n";
}

}  // namespace zlx::launcher
