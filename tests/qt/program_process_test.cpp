// The program as a user starts it from a terminal: statuses and messages of whole runs.

#include <gtest/gtest.h>

#include <fstream>

#include "support/program_process.h"

namespace zlx::qt {
namespace {

using zlx::testing::runProgram;

struct ProcessCase {
    const char* what;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> environment;
    int status;
    std::string errStart;  // what standard error starts with
    std::string outStart;  // what standard output starts with
};

TEST(ProgramProcessTest, EndsWithAClearMessageAndStatus) {
    if (!std::filesystem::exists(zlx::testing::kProgramPath)) GTEST_SKIP() << "no program";
    zlx::testing::TempDir dir;
    std::string script = dir.file("shot.script");
    std::ofstream(script) << "shot tour\n";
    std::ofstream(dir.file("blocker")) << "a file where the folder should be";
    const std::map<std::string, std::string> noDisplay = {
        {"DISPLAY", ":97"}, {"WAYLAND_DISPLAY", ""}, {"QT_QPA_PLATFORM", ""}};
    const ProcessCase cases[] = {
        {"a display that cannot be opened",
         {},
         noDisplay,
         0,
         "zlxdiag: the display \":97\" cannot be opened; showing the window as text.\n",
         "> advance 2000\n> dump\nsheet \"ZLX Client Diagnostics\""},
        {"an unknown long option",
         {"--bogus"},
         {},
         64,
         "zlxdiag: unknown option '--bogus'\nTry 'zlxdiag --help' for more information.\n",
         ""},
        {"screenshots without the Qt front end",
         {"--headless", "--script", script, "--screenshot", dir.path()},
         {},
         64,
         "zlxdiag: --screenshot needs the window front end",
         ""},
        {"a screenshot folder that cannot be made",
         {"--script", script, "--screenshot", dir.file("blocker/pictures")},
         {},
         2,
         "zlxdiag: shot tour: cannot create " + dir.file("blocker/pictures") + ": ",
         "> shot"},
        {"a folder as the script",
         {"--headless", "--script", dir.path()},
         {},
         2,
         "zlxdiag: " + dir.path() + ": is a folder, not a script file\n",
         ""},
    };
    for (const auto& c : cases) {
        auto result = runProgram(c.arguments, c.environment);
        EXPECT_EQ(result.status, c.status) << c.what << "\n" << result.err;
        EXPECT_EQ(result.err.substr(0, c.errStart.size()), c.errStart) << c.what;
        EXPECT_EQ(result.out.substr(0, c.outStart.size()), c.outStart) << c.what;
    }
}

}  // namespace
}  // namespace zlx::qt
