#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "launcher/command_line.h"
#include "launcher/exit_status.h"
#include "launcher/front_end.h"
#include "launcher/options.h"
#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "platform/host.h"
#include "support/built_in_machine.h"
#include "support/environment.h"
#include "support/temp_dir.h"

namespace zlx::launcher {
namespace {

struct OptionCase {
    std::vector<std::string> arguments;
    std::string scenario;     // expected --scenario value ("" for none)
    std::string script;       // expected --script value
    std::string systemWords;  // expected system arguments, joined by blanks
    std::string error;        // expected usage error ("" when accepted)
};

TEST(LaunchOptionsTest, AcceptsBothValueFormsAndRefusesUnknownLongOptions) {
    const OptionCase cases[] = {
        {{"--scenario", "a.json"}, "a.json", "", "", ""},
        {{"--scenario=a.json", "--script=s b.txt"}, "a.json", "s b.txt", "", ""},
        {{"--scenario=x=y.json"}, "x=y.json", "", "", ""},
        {{"-u", "-a", "/x", "stray"}, "", "", "-u -a /x stray", ""},
        {{"--scenario"}, "", "", "", "--scenario needs a value"},
        {{"--scenario="}, "", "", "", "--scenario needs a value"},
        {{"--headless=yes"}, "", "", "", "--headless takes no value"},
        {{"--frobnicate"}, "", "", "", "unknown option '--frobnicate'"},
        {{"--Scenario", "a.json"}, "", "", "", "unknown option '--Scenario'"},
        {{"--headless"}, "", "", "", "--headless needs --script FILE"},
        {{"--status", "--format", "jsonl"},
         "",
         "",
         "",
         "--format takes text, json or prometheus, not jsonl"},
        {{"--watch", "--output", "m.prom"},
         "",
         "",
         "",
         "--output needs --watch --format prometheus"},
        {{"--status", "--format", "prometheus", "--output", "m.prom"},
         "",
         "",
         "",
         "--output needs --watch --format prometheus"},
        {{"--watch", "--format", "prometheus", "--output", "m.prom"}, "", "", "", ""},
        // The command-line modes take options and the system's flags, never a stray word.
        {{"--status", "json"},
         "",
         "",
         "",
         "--status takes no word 'json': options start with \"--\""},
        {{"--watch", "--count", "1", "csv"},
         "",
         "",
         "",
         "--watch takes no word 'csv': options start with \"--\""},
        {{"--report", "-u"}, "", "", "-u", ""},
        {{"--watch", "--adapter", "x"}, "", "", "", ""},
        {{"--adapter", "x"}, "", "", "", "--adapter needs --report, --status or --watch"},
        {{"--headless", "--script", "s", "--screenshot", "d"},
         "",
         "",
         "",
         "--screenshot needs the window front end: it cannot be used with --headless"},
    };
    for (const auto& c : cases) {
        std::string context;
        for (const auto& a : c.arguments) context += a + " ";
        try {
            LaunchOptions options = parseLaunchOptions(c.arguments);
            EXPECT_EQ(c.error, "") << context;
            EXPECT_EQ(options.scenarioPath.value_or(""), c.scenario) << context;
            EXPECT_EQ(options.scriptPath.value_or(""), c.script) << context;
            std::string words;
            for (const auto& w : options.systemArguments) words += (words.empty() ? "" : " ") + w;
            EXPECT_EQ(words, c.systemWords) << context;
        } catch (const UsageError& e) {
            EXPECT_EQ(e.what(), c.error) << context;
        }
    }
}

TEST(LaunchOptionsTest, UsageNamesEveryOptionAndTheExitStatuses) {
    std::string usage = usageText();
    for (const char* word : {"--scenario", "--headless", "--script", "--screenshot", "--report",
                             "--help", "--version", "-u", "-d", "-a", "64"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
}

// Only a run that draws needs the window program, and so a GUI toolkit.
TEST(FrontEndTest, OnlyWindowsAndPicturesNeedTheWindowProgram) {
    struct Case {
        std::vector<std::string> arguments;
        std::map<std::string, std::string> env;
        FrontEnd expected;
    };
    const Case cases[] = {
        {{}, {}, FrontEnd::Text},
        {{"-u"}, {{"DISPLAY", ":0"}}, FrontEnd::Window},
        {{}, {{"WAYLAND_DISPLAY", "wayland-0"}}, FrontEnd::Window},
        {{}, {{"QT_QPA_PLATFORM", "offscreen"}}, FrontEnd::Window},
        {{}, {{"DISPLAY", ""}}, FrontEnd::Text},
        {{"--script", "s"}, {}, FrontEnd::WindowScript},
        {{"--script", "s", "--screenshot", "d"}, {{"DISPLAY", ":0"}}, FrontEnd::WindowScript},
        {{"--headless", "--script", "s"}, {{"DISPLAY", ":0"}}, FrontEnd::Text},
    };
    for (const Case& c : cases) {
        auto env = [&c](const char* name) {
            auto it = c.env.find(name);
            return it == c.env.end() ? std::string() : it->second;
        };
        EXPECT_EQ(chooseFrontEnd(parseLaunchOptions(c.arguments), hasDisplay(env)), c.expected)
            << ::testing::PrintToString(c.arguments);
    }
}

TEST(FrontEndTest, OnlyThePlainWindowPrintsNothing) {
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{}, false},
        {{"-u", "--scenario", "x.json"}, false},
        {{"--report"}, true},
        {{"--status"}, true},
        {{"--watch"}, true},
        {{"--headless", "--script", "s"}, true},
        {{"--script", "s", "--screenshot", "d"}, true},
        {{"--help"}, true},
        {{"--version"}, true},
        {{"--no-such-option"}, true},
    };
    for (const auto& [arguments, prints] : cases)
        EXPECT_EQ(printsToConsole(arguments), prints) << ::testing::PrintToString(arguments);
}

TEST(LaunchInputTest, AFolderGivenAsScriptOrScenarioIsAClearError) {
    zlx::testing::TempDir dir;
    std::string text, error;
    EXPECT_FALSE(readTextFile(dir.path(), text, error));
    EXPECT_EQ(error, dir.path() + ": is a folder, not a script file");

    LaunchOptions options;
    options.scenarioPath = dir.path();
    std::ostringstream err;
    EXPECT_FALSE(loadScenario(options, err));
    EXPECT_EQ(err.str(), "zlxdiag: " + dir.path() + ": is a folder, not a scenario file\n");
}

struct ScriptedRun {
    int status;
    std::string out, err;
};

ScriptedRun runScript(const std::string& script) {
    std::ostringstream out, err;
    LaunchOptions options;
    options.scenarioPath = zlx::testing::builtInMachineScenario();
    int status = runHeadless(options, script, out, err);
    return {status, out.str(), err.str()};
}

// Each test runs in a process of its own, so the variables set here stay with it.
class ScriptedRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        zlx::testing::setEnvironment("XDG_RUNTIME_DIR", runtime_.path());
        zlx::testing::unsetEnvironment("ZLXDIAG_INSTANCE_DIR");
    }
    zlx::testing::TempDir runtime_;
};

// Every mode answers with the same table of statuses, and a usage error is one line and a hint.
TEST_F(ScriptedRunTest, OneTableOfExitStatusesForEveryMode) {
    zlx::testing::TempDir dir;
    const std::string good = dir.path() + "/good.script", bad = dir.path() + "/bad.script";
    std::ofstream(good) << "tab 1\n";
    std::ofstream(bad) << "frobnicate\n";
    const std::string source = ZLX_SOURCE_DIR, missing = dir.path() + "/missing.json";
    const struct Case {
        std::vector<std::string> arguments;
        int status;
    } cases[] = {
        {{"--version"}, kExitSuccess},
        {zlx::testing::onBuiltInMachine({"--headless", "--script", good}), kExitSuccess},
        {zlx::testing::onBuiltInMachine({"--report"}), kExitSuccess},
        {{"--report", "--scenario", source + "/scenarios/no-adapter.json"}, kExitFinding},
        {{"--report", "--scenario", missing}, kExitCouldNotRun},
        {{"--headless", "--script", good, "--scenario", missing}, kExitCouldNotRun},
        {{"--headless", "--script", dir.path() + "/none.script"}, kExitCouldNotRun},
        {{"--headless", "--script", bad}, kExitCouldNotRun},
        {{"--bogus"}, kExitUsage},
        {{"--report", "--format", "xml"}, kExitUsage},
        {{"--report", "--headless"}, kExitUsage},
        {{"--status", "json"}, kExitUsage},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        CommandLineStart start = startCommandLine(c.arguments, out, err);
        int status = start.exitStatus ? *start.exitStatus
                                      : runHeadless(start.options, start.script, out, err);
        EXPECT_EQ(status, c.status) << ::testing::PrintToString(c.arguments) << err.str();
        if (status == kExitUsage) {
            EXPECT_EQ(err.str().substr(err.str().find('\n')),
                      "\nTry 'zlxdiag --help' for more information.\n");
        }
    }
}

TEST_F(ScriptedRunTest, ByteOrderMarkIsSkippedAndCommandsAfterTheEndAreReported) {
    ScriptedRun marked = runScript("\xEF\xBB\xBFtab 1\n");
    EXPECT_EQ(marked.status, 0) << marked.err;
    EXPECT_EQ(marked.out.rfind("> tab 1\n", 0), 0u) << marked.out;

    ScriptedRun late = runScript("click 2\ndump\ntab 1\n");
    EXPECT_EQ(late.status, 2);
    EXPECT_EQ(late.out, "> click 2\n");
    EXPECT_EQ(late.err,
              "zlxdiag: script line 2: the program ended before this command; 2 commands were "
              "not run\n");
}

TEST_F(ScriptedRunTest, AnOpenCopyDoesNotSwallowAScriptedRun) {
    // The open copy holds the single-instance mutex in the user's usual folder.
    platform::host::NativeSingleInstance openCopy(platform::host::kInstanceMutexName,
                                                  platform::host::sharedInstanceScope());
    ASSERT_TRUE(openCopy.createMutex());

    ScriptedRun run = runScript("tab 1\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("> tab 1\n", 0), 0u);

    // Named explicitly, the folder makes the run a second copy: silent, status 0.
    zlx::testing::setEnvironment("ZLXDIAG_INSTANCE_DIR", platform::host::sharedInstanceScope());
    ScriptedRun second = runScript("tab 1\n");
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out + second.err, "");
    openCopy.releaseMutex();
}

}  // namespace
}  // namespace zlx::launcher
