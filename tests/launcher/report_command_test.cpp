// zlxdiag --report: the same run as text and as JSON, compared with the expected reports in
// reports/ (ZLX_UPDATE_TRANSCRIPTS=1 rewrites them), and its exit statuses.

#include "launcher/report_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/environment.h"
#include "support/temp_dir.h"

namespace zlx::launcher {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = ZLX_SOURCE_DIR;
const fs::path kReports = kSource / "tests" / "launcher" / "reports";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ReportRun {
    int status;
    std::string out, err;
};

ReportRun report(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{"--report"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::ostringstream out, err;
    int status = runReportCommand(parseLaunchOptions(words), out, err);
    return {status, out.str(), err.str()};
}

class ReportCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zlx::testing::setEnvironment("XDG_RUNTIME_DIR", runtime_.path());
        zlx::testing::unsetEnvironment("ZLXDIAG_INSTANCE_DIR");
    }
    zlx::testing::TempDir runtime_;
};

TEST_F(ReportCommandTest, TextAndJsonOfTwoMachines) {
    struct Case {
        const char* name;
        const char* scenario;  // "" for the built-in machine
        int status;
    } cases[] = {{"default", "", 0}, {"no-adapter", "scenarios/no-adapter.json", 1}};
    for (const auto& c : cases) {
        for (const char* format : {"text", "json"}) {
            SCOPED_TRACE(std::string(c.name) + " " + format);
            std::vector<std::string> arguments{"--format", format};
            if (*c.scenario)
                arguments.insert(arguments.end(), {"--scenario", (kSource / c.scenario).string()});
            ReportRun run = report(arguments);
            EXPECT_EQ(run.status, c.status);
            fs::path expected = kReports / (std::string(c.name) +
                                            (std::string(format) == "json" ? ".json" : ".txt"));
            if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS");
                update && *update == '1') {
                std::ofstream(expected, std::ios::binary) << run.out;
                continue;
            }
            EXPECT_EQ(run.out, readFile(expected));
        }
    }
}

TEST_F(ReportCommandTest, ProgressNamesEachTestAndThePing) {
    ReportRun run = report({});
    EXPECT_EQ(run.err,
              "zlxdiag: Driver installation test\n"
              "zlxdiag: Card insertion test\n"
              "zlxdiag: Card enable test\n"
              "zlxdiag: Association test\n"
              "zlxdiag: Authentication test\n"
              "zlxdiag: Network test\n"
              "zlxdiag: pinging 192.168.10.1\n");
}

}  // namespace
}  // namespace zlx::launcher
