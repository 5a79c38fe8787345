// Script mode on the Qt front end: the same transcript as the headless run, and pictures.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launcher/headless_run.h"
#include "qt/script_run.h"
#include "support/temp_dir.h"

namespace zlx::qt {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(ZLX_SOURCE_DIR) / "tests/scriptmode/cases";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// A case's scenario and system arguments, from its "# scenario:" and "# args:" lines.
launcher::LaunchOptions optionsFor(const std::string& script) {
    launcher::LaunchOptions options;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line) && line.rfind("#", 0) == 0;) {
        if (line.rfind("# scenario: ", 0) == 0)
            options.scenarioPath = (fs::path(ZLX_SOURCE_DIR) / line.substr(12)).string();
        if (line.rfind("# args: ", 0) == 0) {
            std::istringstream args(line.substr(8));
            for (std::string a; args >> a;) options.systemArguments.push_back(a);
        }
    }
    return options;
}

using Runner = int (*)(const launcher::LaunchOptions&, const std::string&, std::ostream&,
                       std::ostream&);

// Each run gets a folder of its own for the cross-process objects, so runs never meet.
std::string transcriptOf(Runner run, launcher::LaunchOptions options, const std::string& script) {
    zlx::testing::TempDir instances;
    ::setenv("ZLXDIAG_INSTANCE_DIR", instances.path().c_str(), 1);
    std::ostringstream out, err;
    int status = run(options, script, out, err);
    return out.str() + err.str() + "exit " + std::to_string(status) + "\n";
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    if (fs::exists(kCases))
        for (const auto& entry : fs::directory_iterator(kCases))
            if (entry.path().extension() == ".script")
                names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SameTranscriptTest : public ::testing::TestWithParam<std::string> {};

TEST_P(SameTranscriptTest, QtRunPrintsWhatTheHeadlessRunPrints) {
    std::string script = readFile(kCases / (GetParam() + ".script"));
    launcher::LaunchOptions options = optionsFor(script);
    std::string onQt = transcriptOf(&runScriptOnQt, options, script);
    options.headless = true;
    EXPECT_EQ(onQt, transcriptOf(&launcher::runHeadless, options, script));
}

INSTANTIATE_TEST_SUITE_P(Cases, SameTranscriptTest, ::testing::ValuesIn(caseNames()),
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
