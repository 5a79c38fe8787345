// zlxdiag --status and --watch: snapshots of several machines as text, JSON and metrics, and the
// watch across the link events on the manual clock, compared with the expected outputs in
// status/ (ZLX_UPDATE_TRANSCRIPTS=1 rewrites them).

#include "launcher/status_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "adapterinfo/run_header.h"
#include "launcher/exit_status.h"
#include "launcher/program_run.h"
#include "support/built_in_machine.h"
#include "support/environment.h"
#include "support/temp_dir.h"
#include "support/transcript_cases.h"
#include "ui/headless.h"

namespace zlx::launcher {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = ZLX_SOURCE_DIR;
const fs::path kExpected = kSource / "tests" / "launcher" / "status";

class StatusCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zlx::testing::setEnvironment("XDG_RUNTIME_DIR", runtime_.path());
        zlx::testing::unsetEnvironment("ZLXDIAG_INSTANCE_DIR");
    }
    // Runs the mode and compares its output with `name` in status/.
    void expectOutput(const std::string& name, std::vector<std::string> words) {
        SCOPED_TRACE(name);
        std::ostringstream out, err;
        LaunchOptions options = parseLaunchOptions(words);
        int status = options.watch ? runWatchCommand(options, out, err)
                                   : runStatusCommand(options, out, err);
        EXPECT_EQ(status, kExitSuccess);
        EXPECT_EQ(err.str(), "");
        fs::path expected = kExpected / name;
        if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS"); update && *update == '1') {
            std::ofstream(expected, std::ios::binary) << out.str();
            return;
        }
        EXPECT_EQ(out.str(), zlx::testing::readWholeFile(expected));
    }
    zlx::testing::TempDir runtime_;
};

std::string scenario(const char* file) {
    return (kSource / "scenarios" / file).string();
}

TEST_F(StatusCommandTest, SnapshotsOfSomeMachines) {
    const char* machines[] = {"",
                              "radio-off-hardware.json",
                              "not-associated.json",
                              "statistics-query-fails.json",
                              "no-adapter.json",
                              "802.11n-5ghz.json"};
    for (const char* machine : machines) {
        const std::pair<const char*, const char*> formats[] = {
            {"text", ".txt"}, {"json", ".json"}, {"prometheus", ".prom"}};
        for (const auto& [format, extension] : formats) {
            std::vector<std::string> words{"--status", "--format", format};
            if (*machine)
                words.insert(words.end(), {"--scenario", scenario(machine)});
            else
                words = zlx::testing::onBuiltInMachine(words);
            std::string base = *machine ? fs::path(machine).stem().string() : "default";
            expectOutput(base + extension, words);
        }
    }
}

TEST_F(StatusCommandTest, WatchAcrossTheLinkEvents) {
    for (const char* format : {"jsonl", "csv"}) {
        expectOutput(std::string("watch-link-events.") + format,
                     {"--watch", "--manual-clock", "--count", "30", "--format", format,
                      "--scenario", scenario("link-events.json")});
    }
}

// The file holds the last sample's exposition, with the events counted across the watch; the
// folder holds nothing else, and a file that cannot be written ends the watch with status 2.
TEST_F(StatusCommandTest, WatchRewritesTheMetricsFileWhole) {
    zlx::testing::TempDir folder;
    const std::string file = folder.path() + "/zlx.prom";
    LaunchOptions options =
        parseLaunchOptions({"--watch", "--manual-clock", "--count", "30", "--format", "prometheus",
                            "--output", file, "--scenario", scenario("link-events.json")});
    std::ostringstream out, err;
    ASSERT_EQ(runWatchCommand(options, out, err), kExitSuccess) << err.str();
    EXPECT_EQ(out.str() + err.str(), "");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"zlx.prom"});
    const fs::path expected = kExpected / "watch-link-events.prom";
    if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS"); update && *update == '1')
        fs::copy_file(file, expected, fs::copy_options::overwrite_existing);
    else
        EXPECT_EQ(zlx::testing::readWholeFile(file), zlx::testing::readWholeFile(expected));

    options.outputPath = folder.path() + "/missing/zlx.prom";
    std::ostringstream none, reason;
    EXPECT_EQ(runWatchCommand(options, none, reason), kExitCouldNotRun);
    EXPECT_EQ(reason.str().rfind("zlxdiag: cannot write " + *options.outputPath + ": ", 0), 0u)
        << reason.str();
}

// On the real clock too, the simulated machine's times carry its own zone: the samples' (and so
// the Signal History's CSV) and the saved log's "Started:" alike.
TEST_F(StatusCommandTest, EveryTimeIsInTheMachinesZone) {
    std::string text = zlx::testing::readWholeFile(scenario("default.json"));
    const std::string from = "\"timeZoneOffsetMinutes\": 60";
    ASSERT_NE(text.find(from), std::string::npos);
    const struct {
        const char* minutes;
        const char* suffix;
    } zones[] = {{"-300", "-05:00"}, {"330", "+05:30"}, {"0", "+00:00"}};
    for (const auto& zone : zones) {
        SCOPED_TRACE(zone.minutes);
        zlx::testing::TempDir dir;
        std::string machine = text;
        machine.replace(machine.find(from), from.size(),
                        std::string("\"timeZoneOffsetMinutes\": ") + zone.minutes);
        std::ofstream(dir.file("machine.json")) << machine;
        LaunchOptions options;
        options.scenarioPath = dir.file("machine.json");
        ui::HeadlessServices services;
        std::ostringstream err;
        for (RunClock clock : {RunClock::Real, RunClock::Manual}) {
            auto run = ProgramRun::make(options, {clock}, services, err);
            ASSERT_TRUE(run) << err.str();
            EXPECT_TRUE(platform::formatIso8601(run->clock().wallTime()).ends_with(zone.suffix));
            EXPECT_TRUE(
                adapterinfo::makeRunHeader(run->program().context(), run->clock().localTime())
                    .startedAt.ends_with(zone.suffix));
        }
    }
}

// --adapter picks the interface --status and --watch read, by description or GUID in any letter
// case; without it they read the vendor's adapter, as the pages do.
TEST_F(StatusCommandTest, AdapterNamesTheInterfaceRead) {
    const std::string machine = scenario("three-adapters.json");
    const struct {
        std::vector<std::string> words;
        int status;
        std::string shown;  // in the output, or on the error stream when the run fails
    } cases[] = {
        {{"--status"}, kExitSuccess, "Norvane ZLX 802.11n Wireless Adapter\n"},
        {{"--status", "--adapter", "fabrikam usb wireless lan CARD"},
         kExitSuccess,
         "Fabrikam USB Wireless LAN Card\n"},
        {{"--status", "--adapter={C7E3A915-2B6D-4F08-A1E4-93D5B7C20F6A}"},
         kExitSuccess,
         "Fabrikam USB Wireless LAN Card\n"},
        {{"--watch", "--manual-clock", "--count", "1", "--adapter", "CONTOSO WIRELESS-N 1030"},
         kExitSuccess,
         "\"adapter\":\"Contoso Wireless-N 1030\""},
        {{"--status", "--adapter", "Contoso"},
         kExitCouldNotRun,
         "--adapter Contoso: no wireless interface has this description or GUID"},
        {{"--watch", "--adapter", "Contoso"},
         kExitCouldNotRun,
         "--adapter Contoso: no wireless interface has this description or GUID"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words = c.words;
        words.insert(words.end(), {"--scenario", machine});
        SCOPED_TRACE(::testing::PrintToString(words));
        std::ostringstream out, err;
        LaunchOptions options = parseLaunchOptions(words);
        int status = options.watch ? runWatchCommand(options, out, err)
                                   : runStatusCommand(options, out, err);
        EXPECT_EQ(status, c.status) << err.str();
        EXPECT_NE((status == kExitSuccess ? out : err).str().find(c.shown), std::string::npos)
            << out.str() << err.str();
    }
}

}  // namespace
}  // namespace zlx::launcher
