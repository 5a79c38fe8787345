#pragma once
// The program's command line: our long options, and everything else for the system, which
// reads "-u", "-d" and "-a" and ignores what it does not know.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zlx::launcher {

enum class ReportFormat { Text, Json };

struct LaunchOptions {
    std::optional<std::string> scenarioPath;
    bool headless = false;
    std::optional<std::string> scriptPath;
    bool report = false;
    ReportFormat reportFormat = ReportFormat::Text;
    std::optional<std::string> reportAdapter;  // --adapter: a description or a GUID
    std::optional<std::string> screenshotDir;
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
