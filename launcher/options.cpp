#include "launcher/options.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace zlx::launcher {

namespace {

// Seconds with up to three decimals, from 0.1 to a day.
std::int64_t intervalMs(const std::string& text) {
    double seconds = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !(seconds >= 0.1) ||
        seconds > 86400)
        throw UsageError("--interval takes a number of seconds from 0.1 to 86400, not " + text);
    return static_cast<std::int64_t>(std::llround(seconds * 1000));
}

std::uint64_t sampleCount(const std::string& text) {
    std::uint64_t count = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count == 0)
        throw UsageError("--count takes a whole number above 0, not " + text);
    return count;
}

}  // namespace

LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments) {
    LaunchOptions options;
    std::optional<std::string> format;
    bool intervalGiven = false;
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
        else if (name == "--format")
            format = value();
        else if (name == "--interval") {
            options.watchIntervalMs = intervalMs(value());
            intervalGiven = true;
        } else if (name == "--count")
            options.watchCount = sampleCount(value());
        else if (name == "--output")
            options.outputPath = value();
        else if (name == "--manual-clock")
            flag(options.manualClock);
        else if (name == "--status")
            flag(options.status);
        else if (name == "--watch")
            flag(options.watch);
        else if (name == "--adapter")
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
    const int modes = int(options.report) + int(options.status) + int(options.watch);
    if (modes > 1)
        throw UsageError("--report, --status and --watch are separate modes: use one of them");
    const char* mode = options.report ? "--report" : options.status ? "--status" : "--watch";
    if (format) {
        if (modes == 0) throw UsageError("--format needs --report, --status or --watch");
        if (*format == "prometheus") {
            options.reportFormat = ReportFormat::Prometheus;
        } else if (options.watch) {
            if (*format == "jsonl")
                options.reportFormat = ReportFormat::JsonLines;
            else if (*format == "csv")
                options.reportFormat = ReportFormat::Csv;
            else
                throw UsageError("--format takes jsonl, csv or prometheus with --watch, not " +
                                 *format);
        } else if (*format == "text") {
            options.reportFormat = ReportFormat::Text;
        } else if (*format == "json") {
            options.reportFormat = ReportFormat::Json;
        } else {
            throw UsageError("--format takes text, json or prometheus, not " + *format);
        }
    } else if (options.watch) {
        options.reportFormat = ReportFormat::JsonLines;
    }
    // A file that a collector reads whole: only the metrics are rewritten in place.
    if (options.outputPath && !(options.watch && options.reportFormat == ReportFormat::Prometheus))
        throw UsageError("--output needs --watch --format prometheus");
    if (!options.watch && (intervalGiven || options.watchCount || options.manualClock))
        throw UsageError(std::string(intervalGiven        ? "--interval"
                                     : options.watchCount ? "--count"
                                                          : "--manual-clock") +
                         " needs --watch");
    if (options.reportAdapter && modes == 0)
        throw UsageError("--adapter needs --report, --status or --watch");
    // The command-line modes take options only; the system's own words are for the window.
    if (modes == 1) {
        for (const std::string& word : options.systemArguments)
            if (!word.starts_with("-"))
                throw UsageError(std::string(mode) + " takes no word '" + word +
                                 "': options start with \"--\"");
    }
    if (modes == 1 && (options.headless || options.scriptPath))
        throw UsageError(std::string(mode) + " runs without a script: it cannot be used with " +
                         std::string(options.headless ? "--headless" : "--script"));
    if (options.headless && !options.scriptPath) throw UsageError("--headless needs --script FILE");
    if (options.screenshotDir && (options.headless || modes == 1))
        throw UsageError("--screenshot needs the window front end: it cannot be used with " +
                         std::string(options.headless ? "--headless" : mode));
    return options;
}

std::string usageText() {
    return "Usage: zlxdiag [--scenario FILE] [-u] [-d] [-a]\n"
           "       zlxdiag --headless [--scenario FILE] [-u] [-d] --script FILE\n"
           "       zlxdiag [--scenario FILE] --script FILE --screenshot DIR\n"
           "       zlxdiag --report [--format text|json|prometheus] [--adapter NAME|GUID]\n"
           "               [--scenario FILE]\n"
           "       zlxdiag --status [--format text|json|prometheus] [--adapter NAME|GUID]\n"
           "               [--scenario FILE]\n"
           "       zlxdiag --watch [--interval SECONDS] [--count N] [--manual-clock]\n"
           "               [--format jsonl|csv|prometheus] [--output FILE] [--adapter NAME|GUID]\n"
           "               [--scenario FILE]\n"
           "\n"
           "  --scenario FILE   run on the simulated machine FILE describes (default: built in)\n"
           "  --headless        no windows: the headless desktop and a manual clock\n"
           "  --script FILE     execute FILE's commands and print a transcript\n"
           "  --screenshot DIR  where the script's \"shot\" command writes its pictures\n"
           "  --report          run the client-managed tests without windows and print them\n"
           "  --status          print what the status pages show after one refresh\n"
           "  --watch           print the same every interval, one line each, with events\n"
           "  --interval SECONDS  --watch's interval (default 2, the pages' refresh)\n"
           "  --count N         --watch ends after N samples (default: at Ctrl+C)\n"
           "  --manual-clock    --watch on the simulated clock: no waiting, the same every run\n"
           "  --format FORMAT   --report and --status: text (the default) or json;\n"
           "                    --watch: jsonl (the default) or csv; any of them: prometheus\n"
           "  --output FILE     --watch --format prometheus: rewrite FILE whole after each\n"
           "                    sample (for a node_exporter or windows_exporter textfile folder)\n"
           "  --adapter NAME|GUID  the wireless interface --report tests and --status and\n"
           "                    --watch read, by its description or its GUID, in any letter\n"
           "                    case (default: --report the first, as the test window's run;\n"
           "                    --status and --watch the one the status pages show)\n"
           "  -u                send no service control message to the IHV service\n"
           "  -d                send them even with -u\n"
           "  -a                accepted for compatibility; changes nothing\n"
           "  --help            this text\n"
           "  --version         the program's version\n"
           "\n"
           "Options take their value as \"--scenario FILE\" or \"--scenario=FILE\". Without\n"
           "--report, --status or --watch, other words that do not start with \"--\" are the\n"
           "system's own and are ignored when unknown; with them, a word that does not start\n"
           "with \"-\" is a usage error.\n"
           "\n"
           "Exit status, the same in every mode:\n"
           "  0   done; with --report, every test passed or was bypassed; --watch ended by\n"
           "      --count or Ctrl+C\n"
           "  1   with --report, a test failed, was aborted or did not run\n"
           "  2   the program could not do its job: a scenario, script, instance folder or\n"
           "      output that cannot be used, an --adapter that names no wireless interface,\n"
           "      or a script that fails\n"
           "  64  a usage error\n"
           "\n"
           "On Linux, a reader of the output that goes away (zlxdiag --watch | head -1) ends\n"
           "the program quietly by SIGPIPE, as it ends other Unix tools (141 in the shell).\n";
}

}  // namespace zlx::launcher
