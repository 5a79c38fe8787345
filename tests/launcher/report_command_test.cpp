// zlxdiag --report: the same run as text, as JSON and as metrics, compared with the expected
// reports in reports/ (ZLX_UPDATE_TRANSCRIPTS=1 rewrites them), and its exit statuses.

#include "launcher/report_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launcher/exit_status.h"
#include "support/built_in_machine.h"
#include "support/environment.h"
#include "support/source_files.h"
#include "support/temp_dir.h"

namespace zlx::launcher {
namespace {

namespace fs = std::filesystem;

using zlx::testing::kSourceDir;
using zlx::testing::readWholeFile;
const fs::path kReports = kSourceDir / "tests" / "launcher" / "reports";

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

TEST_F(ReportCommandTest, EveryFormatOfSomeMachines) {
    struct Case {
        const char* name;
        const char* scenario;  // "" for the built-in machine
        std::vector<std::string> arguments;
        int status;
    } cases[] = {
        {"default", "", {}, 0},
        {"no-adapter", "scenarios/no-adapter.json", {}, 1},
        // The adapter the test window's run tests: the first interface.
        {"three-adapters", "scenarios/three-adapters.json", {}, 1},
        {"three-adapters-vendor",
         "scenarios/three-adapters.json",
         {"--adapter", "Norvane ZLX 802.11n Wireless Adapter"},
         1},
        {"gateway-silent", "scenarios/client-ping-no-reply.json", {}, 1},
    };
    for (const auto& c : cases) {
        const std::pair<const char*, const char*> formats[] = {
            {"text", ".txt"}, {"json", ".json"}, {"prometheus", ".prom"}};
        for (const auto& [format, extension] : formats) {
            SCOPED_TRACE(std::string(c.name) + " " + format);
            std::vector<std::string> arguments{"--format", format};
            arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
            if (*c.scenario)
                arguments.insert(arguments.end(),
                                 {"--scenario", (kSourceDir / c.scenario).string()});
            else
                arguments = zlx::testing::onBuiltInMachine(arguments);
            ReportRun run = report(arguments);
            EXPECT_EQ(run.status, c.status);
            fs::path expected = kReports / (std::string(c.name) + extension);
            if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS");
                update && *update == '1') {
                std::ofstream(expected, std::ios::binary) << run.out;
                continue;
            }
            EXPECT_EQ(run.out, readWholeFile(expected));
        }
    }
}

TEST_F(ReportCommandTest, ProgressNamesEachTestAndThePing) {
    ReportRun run = report(zlx::testing::onBuiltInMachine({}));
    EXPECT_EQ(run.err,
              "zlxdiag: Driver installation test\n"
              "zlxdiag: Card insertion test\n"
              "zlxdiag: Card enable test\n"
              "zlxdiag: Association test\n"
              "zlxdiag: Authentication test\n"
              "zlxdiag: Network test\n"
              "zlxdiag: pinging 192.168.10.1\n");
}

TEST_F(ReportCommandTest, AdapterByDescriptionOrGuid) {
    const std::string scenario = (kSourceDir / "scenarios/three-adapters.json").string();
    for (const char* name :
         {"Fabrikam USB Wireless LAN Card", "{C7E3A915-2B6D-4F08-A1E4-93D5B7C20F6A}",
          "c7e3a915-2b6d-4f08-a1e4-93d5b7c20f6a"}) {
        ReportRun run = report({"--adapter", name, "--scenario", scenario});
        // Right after the header and its empty line.
        EXPECT_NE(run.out.find("\n\nAdapter: Fabrikam USB Wireless LAN Card\n"
                               "Interface: c7e3a915-2b6d-4f08-a1e4-93d5b7c20f6a\n"
                               "Chosen by: --adapter\n"),
                  std::string::npos)
            << name << "\n"
            << run.out;
    }
    ReportRun unknown = report({"--adapter", "Contoso", "--scenario", scenario});
    EXPECT_EQ(unknown.status, kExitCouldNotRun);
    EXPECT_EQ(unknown.out, "");
    EXPECT_EQ(unknown.err,
              "zlxdiag: --adapter Contoso: no wireless interface has this description or GUID; "
              "there are:\n"
              "Contoso Wireless-N 1030  9d41c0b2-5e77-4a1f-8c3d-6b2e1f0a9e47\n"
              "Norvane ZLX 802.11n Wireless Adapter  3f2a6c1e-8b4d-4e7a-9c15-2d7e8f0a1b3c\n"
              "Fabrikam USB Wireless LAN Card  c7e3a915-2b6d-4f08-a1e4-93d5b7c20f6a\n");
}

}  // namespace
}  // namespace zlx::launcher
