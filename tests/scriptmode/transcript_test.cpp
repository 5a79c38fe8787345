// Script-mode runs compared with their expected transcripts in cases/. A case is NAME.script
// with NAME.transcript beside it; its first lines may set "# scenario: FILE" (relative to the
// source tree) and "# args: ...". Run with ZLX_UPDATE_TRANSCRIPTS=1 to rewrite the expected
// transcripts, then review the difference.

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launcher/headless_run.h"
#include "support/temp_dir.h"

namespace zlx::scriptmode {
namespace {

namespace fs = std::filesystem;

const fs::path kCases = fs::path(ZLX_SOURCE_DIR) / "tests/scriptmode/cases";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kCases))
        if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

launcher::LaunchOptions optionsFor(const std::string& script) {
    launcher::LaunchOptions options;
    options.headless = true;
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

class TranscriptTest : public ::testing::TestWithParam<std::string> {};

TEST_P(TranscriptTest, MatchesExpected) {
    zlx::testing::TempDir instances, work;
    ::setenv("ZLXDIAG_INSTANCE_DIR", instances.path().c_str(), 1);
    // Files a script saves land in a folder of its own, named by relative paths.
    ASSERT_EQ(::chdir(work.path().c_str()), 0);
    std::string script = readFile(kCases / (GetParam() + ".script"));
    std::ostringstream out, err;
    int status = launcher::runHeadless(optionsFor(script), script, out, err);
    std::string transcript = out.str() + err.str() + "exit " + std::to_string(status) + "\n";

    fs::path expectedPath = kCases / (GetParam() + ".transcript");
    if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS"); update && *update == '1') {
        std::ofstream(expectedPath, std::ios::binary) << transcript;
        GTEST_SKIP() << "rewrote " << expectedPath;
    }
    ASSERT_TRUE(fs::exists(expectedPath))
        << "no expected transcript: run with ZLX_UPDATE_TRANSCRIPTS=1";
    EXPECT_EQ(transcript, readFile(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(Cases, TranscriptTest, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace zlx::scriptmode
