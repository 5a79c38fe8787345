#pragma once
// The scripts that take the documentation's pictures (docs/screenshots/), run on a front end
// of a test's own: each "shot" reaches the front end, which reads its windows as they are then.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "launcher/scripted_run.h"
#include "support/environment.h"
#include "support/temp_dir.h"
#include "support/transcript_cases.h"

namespace zlx::testing {

inline const std::filesystem::path kPictureScripts =
    std::filesystem::path(ZLX_SOURCE_DIR) / "docs" / "screenshots";

// Runs docs/screenshots/`name` on the scenario it names, with instance files and pictures in
// folders of its own, to its end.
inline void runPictureScript(const std::string& name,
                             const launcher::MakeScriptFrontEnd& makeFrontEnd) {
    TempDir instances, pictures;
    setEnvironment("ZLXDIAG_INSTANCE_DIR", instances.path());
    const std::string script = readWholeFile(kPictureScripts / name);
    launcher::LaunchOptions options = caseOptions(script);
    options.screenshotDir = pictures.path();
    std::ostringstream out, err;
    EXPECT_EQ(launcher::runScript(options, script, out, err, makeFrontEnd), 0) << name << "\n"
                                                                               << err.str();
}

// The scripts whose pictures show every window: the tour and the Signal History.
inline void runWindowPictureScripts(const launcher::MakeScriptFrontEnd& makeFrontEnd) {
    runPictureScript("tour.script", makeFrontEnd);
    runPictureScript("signal-history.script", makeFrontEnd);
}

}  // namespace zlx::testing
