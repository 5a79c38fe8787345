// A script's `advance` on the whole program: what the window runs while the clock moves.

#include <gtest/gtest.h>

#include <sstream>

#include "scriptmode/script_runner.h"
#include "status/status_sheet.h"
#include "support/program_fixture.h"

namespace zlx::scriptmode {
namespace {

TEST(AdvanceTest, TheLongestAdvanceRunsOnlyTheTicksTheSignalHistoryKeeps) {
    testing::ProgramFixture f(sim::loadDefaultScenario(), sim::CallRecording::Off);
    std::ostringstream transcript;
    ScriptRunner runner(parseScript("advance 34560000000\n"), f.desktop(), f.driver(), f.services(),
                        f.program().scriptHooks(), transcript);
    f.then([&] { runner.runNext(); }).then([&] {
        auto& sheet = *dynamic_cast<status::StatusSheet*>(f.desktop().find(f.context().mainWindow));
        // Ten minutes of samples two seconds apart, up to the clock's reading, as a window open
        // for 400 days shows them.
        const auto& samples = sheet.history().samples();
        ASSERT_EQ(samples.size(), status::kHistorySamples);
        EXPECT_EQ(samples.back().reading, f.clock().now());
        for (std::size_t i = 1; i < samples.size(); ++i)
            ASSERT_EQ(samples[i].reading - samples[i - 1].reading, status::kRefreshPeriod) << i;
        // Those refreshes, the one before them and a single one for the periods the program
        // was not scheduled: not one for each of the 17,280,000 periods.
        EXPECT_LE(sheet.linkStatusPage().refreshCount(), status::kHistorySamples + 2);
    });
    EXPECT_EQ(f.run(), 0);
}

}  // namespace
}  // namespace zlx::scriptmode
