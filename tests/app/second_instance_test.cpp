// A second copy of the real program, started while this one runs.

#include <gtest/gtest.h>

#include <filesystem>

#include "status/status_sheet.h"
#include "support/program_fixture.h"
#include "support/program_process.h"
#include "ui/dialog.h"

namespace zlx::app {
namespace {

using zlx::testing::ProgramFixture;

// Runs the program as another process with the same instance scope; its exit status.
int runSecondCopy(const std::string& instanceDir) {
    return zlx::testing::runProgram({"--headless", "--script", zlx::testing::kEmptyFile},
                                    {{"ZLXDIAG_INSTANCE_DIR", instanceDir}})
        .status;
}

class SecondInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(zlx::testing::kProgramPath))
            GTEST_SKIP() << "no program binary in this build";
    }
};

TEST_F(SecondInstanceTest, BringsTheFirstWindowForwardOnceTheTroubleshootingPageWasShown) {
    auto f = ProgramFixture::defaultMachine();
    auto sheet = [&] {
        return dynamic_cast<status::StatusSheet*>(f.desktop().find(f.context().mainWindow));
    };
    int early = -2, late = -2;
    f.then([&] {
         f.desktop().showWindow(f.context().mainWindow, ui::ShowCommand::Minimize);
         early = runSecondCopy(f.instanceScope());
     })
        .then([&] {
            // Nothing to activate yet: the shared value is still zero.
            EXPECT_TRUE(sheet()->minimized());
            EXPECT_EQ(f.desktop().foreground(), ui::kNoWindow);
            sheet()->setActivePage(1);
        })
        .then([&] { late = runSecondCopy(f.instanceScope()); })
        .then([&] {
            EXPECT_FALSE(sheet()->minimized());
            EXPECT_EQ(f.desktop().foreground(), f.context().mainWindow);
        });
    f.run();
    EXPECT_EQ(early, 0);
    EXPECT_EQ(late, 0);
}

}  // namespace
}  // namespace zlx::app
