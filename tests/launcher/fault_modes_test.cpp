// A broken machine in every command-line mode: for each fault, what --report (text and JSON),
// --status (text and JSON) and two --watch samples say, in one expected file per fault in
// faults/ (ZLX_UPDATE_TRANSCRIPTS=1 rewrites them). Each mode's section starts with its
// arguments and exit status.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launcher/report_command.h"
#include "launcher/status_command.h"
#include "support/environment.h"
#include "support/temp_dir.h"
#include "support/transcript_cases.h"

namespace zlx::launcher {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = ZLX_SOURCE_DIR;

class FaultModesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zlx::testing::setEnvironment("XDG_RUNTIME_DIR", runtime_.path());
        zlx::testing::unsetEnvironment("ZLXDIAG_INSTANCE_DIR");
    }
    zlx::testing::TempDir runtime_;
};

// Every mode's output on `scenario`, one section each.
std::string allModes(const std::string& scenario) {
    const std::vector<std::vector<std::string>> modes = {
        {"--report", "--format", "text"},
        {"--report", "--format", "json"},
        {"--status", "--format", "text"},
        {"--status", "--format", "json"},
        {"--watch", "--manual-clock", "--count", "2", "--format", "jsonl"}};
    std::string all;
    for (std::vector<std::string> words : modes) {
        std::string title;
        for (const std::string& word : words) title += (title.empty() ? "" : " ") + word;
        words.insert(words.end(), {"--scenario", scenario});
        std::ostringstream out, err;
        LaunchOptions options = parseLaunchOptions(words);
        int status = options.report  ? runReportCommand(options, out, err)
                     : options.watch ? runWatchCommand(options, out, err)
                                     : runStatusCommand(options, out, err);
        all += "== " + title + " -> " + std::to_string(status) + "\n" + out.str();
    }
    return all;
}

TEST_F(FaultModesTest, EachFaultInEveryMode) {
    // The wireless service stopped and not installed; a standard user's refused requests; a
    // UTF-8 network name with a NUL after it; a gateway still silent at the ping's limit.
    for (const char* fault :
         {"service-stopped", "service-absent", "standard-user", "utf8-ssid", "silent-gateway"}) {
        SCOPED_TRACE(fault);
        const std::string output =
            allModes((kSource / "scenarios" / (std::string(fault) + ".json")).string());
        const fs::path expected =
            kSource / "tests" / "launcher" / "faults" / (fault + std::string(".txt"));
        if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS"); update && *update == '1') {
            std::ofstream(expected, std::ios::binary) << output;
            continue;
        }
        EXPECT_EQ(output, zlx::testing::readWholeFile(expected));
    }
}

}  // namespace
}  // namespace zlx::launcher
