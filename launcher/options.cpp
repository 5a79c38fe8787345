#include "launcher/options.h"

#include <optional>

namespace zlx::launcher {

LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    bool formatGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // The system's own flags ("-u", "-d", "-a") and whatever it ignores are single-dash or
        // bare words; every word that starts with "--" is ours and must be known.
        if (!argument.starts_with("--")) {
            options.systemArguments.push_back(argument);
            continue;
        }
        auto equals = argument.find('=');
        std::string name = argument.substr(0, equals);
        std::optional<std::string> attached;
        if (equals != std::string::npos) attached = argument.substr(equals + 1);
        auto value = [&]() -> std::string {
            if (attached) {
                if (attached->empty()) throw UsageError(name + " needs a value");
                return *attached;
            }
            if (i + 1 >= arguments.size()) throw UsageError(name + " needs a value");
            return arguments[++i];
        };
        auto flag = [&](bool& target) {
            if (attached) throw UsageError(name + " takes no value");
            target = true;
        };
        if (name == "--scenario")
            options.scenarioPath = value();
        else if (name == "--script")
            options.scriptPath = value();
        else if (name == "--screenshot")
            options.screenshotDir = value();
        else if (name == "--format") {
            std::string format = value();
            if (format == "text")
                options.reportFormat = ReportFormat::Text;
            else if (format == "json")
                options.reportFormat = ReportFormat::Json;
            else
                throw UsageError("--format takes text or json, not " + format);
            formatGiven = true;
        } else if (name == "--adapter")
            options.reportAdapter = value();
        else if (name == "--headless")
            flag(options.headless);
        else if (name == "--report")
            flag(options.report);
        else if (name == "--help")
            flag(options.help);
        else if (name == "--version")
            flag(options.version);
        else
            throw UsageError("unknown option '" + name + "'");
    }
    if (formatGiven && !options.report) throw UsageError("--format needs --report");
    if (options.reportAdapter && !options.report) throw UsageError("--adapter needs --report");
    if (options.report && (options.headless || options.scriptPath))
        throw UsageError("--report runs without a script: it cannot be used with " +
                         std::string(options.headless ? "--headless" : "--script"));
    if (options.headless && !options.scriptPath) throw UsageError("--headless needs --script FILE");
    if (options.screenshotDir && (options.headless || options.report))
        throw UsageError("--screenshot needs the Qt front end: it cannot be used with " +
                         std::string(options.headless ? "--headless" : "--report"));
    return options;
}

std::string usageText() {
    return "Usage: zlxdiag [--scenario FILE] [-u] [-d] [-a]\n"
           "       zlxdiag --headless [--scenario FILE] [-u] [-d] --script FILE\n"
           "       zlxdiag [--scenario FILE] --script FILE --screenshot DIR\n"
           "       zlxdiag --report [--format text|json] [--adapter NAME|GUID] [--scenario FILE]\n"
           "\n"
           "  --scenario FILE   run on the simulated machine FILE describes (default: built in)\n"
           "  --headless        no windows: the headless desktop and a manual clock\n"
           "  --script FILE     execute FILE's commands and print a transcript\n"
           "  --screenshot DIR  where the script's \"shot\" command writes its pictures\n"
           "  --report          run the client-managed tests without windows and print them\n"
           "  --format FORMAT   the report as text (the default) or json\n"
           "  --adapter NAME|GUID  the wireless interface the report tests, by its description\n"
           "                    or its GUID (default: the first, as the test window's run)\n"
           "  -u                send no service control message to the IHV service\n"
           "  -d                send them even with -u\n"
           "  -a                accepted for compatibility; changes nothing\n"
           "  --help            this text\n"
           "  --version         the program's version\n"
           "\n"
           "Options take their value as \"--scenario FILE\" or \"--scenario=FILE\". Other words\n"
           "that do not start with \"--\" are the system's own and are ignored when unknown.\n"
           "\n"
           "Exit status, the same in every mode:\n"
           "  0   done; with --report, every test passed or was bypassed\n"
           "  1   with --report, a test failed, was aborted or did not run\n"
           "  2   the program could not do its job: a scenario, script, instance folder or\n"
           "      output that cannot be used, an --adapter that names no wireless interface,\n"
           "      or a script that fails\n"
           "  64  a usage error\n";
}

}  // namespace zlx::launcher
