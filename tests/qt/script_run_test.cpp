// Script mode on the Qt front end: the same transcript as the headless run, and pictures.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "qt/script_run.h"
#include "support/environment.h"
#include "support/temp_dir.h"
#include "support/transcript_cases.h"

namespace zlx::qt {
namespace {

namespace fs = std::filesystem;

using Runner = int (*)(const launcher::LaunchOptions&, const std::string&, std::ostream&,
                       std::ostream&);

// Each run gets folders of its own for the cross-process objects and for the files its script
// saves by relative names, so runs never meet.
std::string transcriptOf(Runner run, launcher::LaunchOptions options, const std::string& script) {
    zlx::testing::TempDir instances, work;
    zlx::testing::setEnvironment("ZLXDIAG_INSTANCE_DIR", instances.path());
    std::error_code changed;
    fs::current_path(work.path(), changed);
    std::ostringstream out, err;
    int status = run(options, script, out, err);
    return out.str() + err.str() + "exit " + std::to_string(status) + "\n";
}

class SameTranscriptTest : public ::testing::TestWithParam<std::string> {};

TEST_P(SameTranscriptTest, QtRunPrintsWhatTheHeadlessRunPrints) {
    std::string script =
        zlx::testing::readWholeFile(zlx::testing::kTranscriptCases / (GetParam() + ".script"));
    launcher::LaunchOptions options = zlx::testing::caseOptions(script);
    std::string onQt = transcriptOf(&runScriptOnQt, options, script);
    options.headless = true;
    EXPECT_EQ(onQt, transcriptOf(&launcher::runHeadless, options, script));
}

INSTANTIATE_TEST_SUITE_P(Cases, SameTranscriptTest,
                         ::testing::ValuesIn(zlx::testing::transcriptCaseNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(SameTranscriptTest);

const char* const kShotScript =
    "advance 2000\n"
    "shot first\n"
    "tab 1\n"
    "sysmenu 16\n"
    "shot second\n"
    "click 1\n"
    "close\n";

TEST(ScreenshotTest, ShotWritesEveryVisibleWindow) {
    zlx::testing::TempDir pictures;
    launcher::LaunchOptions options;
    options.screenshotDir = pictures.path() + "/shots";
    std::string withShots = transcriptOf(&runScriptOnQt, options, kShotScript);
    QDir dir(QString::fromStdString(*options.screenshotDir));
    QStringList first = dir.entryList({"first-*.png"});
    QStringList second = dir.entryList({"second-*.png"});
    EXPECT_EQ(first, QStringList{"first-zlx-client-diagnostics.png"});
    ASSERT_EQ(second.size(), 2) << second.join(' ').toStdString();  // the sheet and the About box
    EXPECT_TRUE(second.contains("second-zlx-client-diagnostics.png"));
    QImage sheet(dir.filePath("first-zlx-client-diagnostics.png"));
    EXPECT_GT(sheet.width(), 300);
    EXPECT_GT(sheet.height(), 300);
    // Pictures change nothing that the transcript shows.
    options.screenshotDir.reset();
    EXPECT_EQ(withShots, transcriptOf(&runScriptOnQt, options, kShotScript));
}

TEST(ScreenshotTest, WithoutAFolderShotIsIgnoredAsInAHeadlessRun) {
    launcher::LaunchOptions options;
    std::string onQt = transcriptOf(&runScriptOnQt, options, kShotScript);
    EXPECT_NE(onQt.find("> shot first\n"), std::string::npos);
    options.headless = true;
    EXPECT_EQ(onQt, transcriptOf(&launcher::runHeadless, options, kShotScript));
}

TEST(ScriptOnQtTest, ScriptErrorsEndTheRunAsHeadless) {
    launcher::LaunchOptions options;
    std::string onQt = transcriptOf(&runScriptOnQt, options, "click 4711\n");
    EXPECT_NE(onQt.find("exit 2"), std::string::npos);
    options.headless = true;
    EXPECT_EQ(onQt, transcriptOf(&launcher::runHeadless, options, "click 4711\n"));
}

}  // namespace
}  // namespace zlx::qt
