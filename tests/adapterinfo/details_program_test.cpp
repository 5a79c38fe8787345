// The adapter details inside a whole program run: the start-up classification and the script
// mode's `details` command.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "adapterinfo/adapter_details.h"
#include "adapterinfo/windows_version.h"
#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "support/environment.h"
#include "support/program_fixture.h"
#include "support/temp_dir.h"

namespace zlx::adapterinfo {
namespace {

using ::testing::HasSubstr;

std::string scenarioPath(const std::string& name) {
    return std::string(ZLX_SOURCE_DIR) + "/scenarios/" + name;
}

TEST(StartUp, TheClassificationLandsInTheContext) {
    zlx::testing::ProgramFixture program(sim::loadScenarioFile(scenarioPath("xp-sp2.json")));
    context::AppContext& ctx = program.context();
    EXPECT_EQ(ctx.osVersionCode, 0u);
    classifyAtStartUp(ctx);
    EXPECT_EQ(ctx.osVersionCode, kOsWindowsXp);
    EXPECT_EQ(ctx.servicePackMajor, 2u);
}

TEST(StartUp, DetailsBeforeTheClassificationSeeCodeZero) {
    zlx::testing::ProgramFixture program(sim::loadScenarioFile(scenarioPath("xp-sp2.json")));
    context::AppContext& ctx = program.context();
    ctx.selection.selectedAdapterDescription = "Norvane ZLX 802.11n Wireless Adapter";
    // Code 0 takes the legacy tables, which give an IP address; XP SP2's address list does not.
    EXPECT_EQ(buildAdapterDetails(ctx, "").ipAddress, "192.168.10.57");
    classifyAtStartUp(ctx);
    EXPECT_EQ(buildAdapterDetails(ctx, "").ipAddress, "");
}

std::string runScript(const std::string& scenario, const std::string& script) {
    zlx::testing::TempDir instances;
    zlx::testing::setEnvironment("ZLXDIAG_INSTANCE_DIR", instances.path());
    launcher::LaunchOptions options;
    options.headless = true;
    options.scenarioPath = scenarioPath(scenario);
    std::ostringstream out, err;
    int status = launcher::runHeadless(options, script, out, err);
    return out.str() + err.str() + "exit " + std::to_string(status) + "\n";
}

TEST(ScriptMode, DetailsPrintsTheSnapshotOfTheSelectedAdapter) {
    std::string transcript = runScript("default.json", "tab 1\ndetails\n");
    EXPECT_THAT(transcript, HasSubstr("adapterName: Norvane ZLX 802.11n Wireless Adapter\n"));
    EXPECT_THAT(transcript, HasSubstr("macAddress: 00-21-6A-4B-7C-11\n"));
    EXPECT_THAT(transcript, HasSubstr("driverFileDate: 18 Mar 2025 09:41:26\n"));
    EXPECT_THAT(transcript, HasSubstr("driverFileVersion: 3.2.0.117\n"));
    EXPECT_THAT(transcript, HasSubstr("radioOn: 1\n"));
    EXPECT_THAT(transcript, HasSubstr("exit 0\n"));
}

TEST(ScriptMode, DetailsOfAMachineWithoutAdapter) {
    std::string transcript = runScript("no-adapter.json", "details\n");
    EXPECT_THAT(transcript, HasSubstr("adapterName:\n"));
    EXPECT_THAT(transcript, HasSubstr("hasAdapterName: 0\n"));
    EXPECT_THAT(transcript, HasSubstr("exit 0\n"));
}

}  // namespace
}  // namespace zlx::adapterinfo
