// A second copy of the real program, started while this one runs.

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <filesystem>

#include "status/status_sheet.h"
#include "support/program_fixture.h"
#include "ui/dialog.h"

extern char** environ;

namespace zlx::app {
namespace {

using zlx::testing::ProgramFixture;

const std::string kProgram = std::string(ZLX_BINARY_DIR) + "/zlxdiag";

// Runs the program as another process with the same instance folder; its exit status.
int runSecondCopy(const std::string& instanceDir) {
    std::vector<std::string> env = {"ZLXDIAG_INSTANCE_DIR=" + instanceDir};
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("ZLXDIAG_INSTANCE_DIR=", 0) != 0) env.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> args = {kProgram, "--headless", "--script", "/dev/null"};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, kProgram.c_str(), nullptr, nullptr, argv.data(), envp.data()) != 0)
        return -1;
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SecondInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kProgram)) GTEST_SKIP() << "no program binary in this build";
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
         early = runSecondCopy(f.instanceDir());
     })
        .then([&] {
            // Nothing to activate yet: the shared value is still zero.
            EXPECT_TRUE(sheet()->minimized());
            EXPECT_EQ(f.desktop().foreground(), ui::kNoWindow);
            sheet()->setActivePage(1);
        })
        .then([&] { late = runSecondCopy(f.instanceDir()); })
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
