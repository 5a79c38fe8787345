// Script-mode runs compared with their expected transcripts in cases/. A case is NAME.script
// with NAME.transcript beside it; its first lines may set "# scenario: FILE" (relative to the
// source tree) and "# args: ...". Run with ZLX_UPDATE_TRANSCRIPTS=1 to rewrite the expected
// transcripts, then review the difference.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "launcher/run_parts.h"
#include "launcher/scripted_run.h"
#include "support/environment.h"
#include "support/temp_dir.h"
#include "support/transcript_cases.h"

namespace zlx::scriptmode {
namespace {

namespace fs = std::filesystem;

class TranscriptTest : public ::testing::TestWithParam<std::string> {};

TEST_P(TranscriptTest, MatchesExpected) {
    zlx::testing::TempDir instances, work;
    zlx::testing::setEnvironment("ZLXDIAG_INSTANCE_DIR", instances.path());
    // Files a script saves land in a folder of its own, named by relative paths.
    std::error_code changed;
    fs::current_path(work.path(), changed);
    ASSERT_FALSE(changed) << changed.message();
    std::string script =
        zlx::testing::readWholeFile(zlx::testing::kTranscriptCases / (GetParam() + ".script"));
    std::ostringstream out, err;
    int status = launcher::runHeadless(zlx::testing::caseOptions(script), script, out, err);
    std::string transcript = out.str() + err.str() + "exit " + std::to_string(status) + "\n";

    fs::path expectedPath = zlx::testing::kTranscriptCases / (GetParam() + ".transcript");
    if (const char* update = std::getenv("ZLX_UPDATE_TRANSCRIPTS"); update && *update == '1') {
        std::ofstream(expectedPath, std::ios::binary) << transcript;
        GTEST_SKIP() << "rewrote " << expectedPath;
    }
    ASSERT_TRUE(fs::exists(expectedPath))
        << "no expected transcript: run with ZLX_UPDATE_TRANSCRIPTS=1";
    EXPECT_EQ(transcript, zlx::testing::readWholeFile(expectedPath));
}

INSTANTIATE_TEST_SUITE_P(Cases, TranscriptTest,
                         ::testing::ValuesIn(zlx::testing::transcriptCaseNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace zlx::scriptmode
