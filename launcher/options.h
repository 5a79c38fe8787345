#pragma once
// The program's command line: our long options, and everything else for the system, which
// reads "-u", "-d" and "-a" and ignores what it does not know.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zlx::launcher {

// How a command-line mode prints: --report and --status as text or JSON, --watch as JSON
// lines or CSV; each of them as Prometheus metrics too.
enum class ReportFormat { Text, Json, JsonLines, Csv, Prometheus };

struct LaunchOptions {
    std::optional<std::string> scenarioPath;
    bool headless = false;
    std::optional<std::string> scriptPath;
    bool report = false;
    ReportFormat reportFormat = ReportFormat::Text;
    std::optional<std::string> reportAdapter;  // --adapter: a description or a GUID
    std::optional<std::string> screenshotDir;
    bool status = false;  // --status: one snapshot of the status pages
    bool watch = false;   // --watch: the snapshot every interval
    std::int64_t watchIntervalMs = 2000;
    std::optional<std::uint64_t> watchCount;
    bool manualClock = false;  // --watch on the simulated machine's manual clock
    // --output: the file --watch --format prometheus rewrites whole after every sample.
    std::optional<std::string> outputPath;
    bool help = false;
    bool version = false;
    std::vector<std::string> systemArguments;
};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

LaunchOptions parseLaunchOptions(const std::vector<std::string>& arguments);

std::string usageText();

}  // namespace zlx::launcher
