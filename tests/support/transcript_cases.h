#pragma once
// The script-mode cases of tests/scriptmode/cases/, shared by the headless and the Qt tests:
// NAME.script with its expected NAME.transcript. A case's first comment lines may name a
// scenario ("# scenario: FILE", relative to the source tree) and the system's arguments
// ("# args: ...").

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "launcher/options.h"
#include "support/built_in_machine.h"
#include "support/source_files.h"

namespace zlx::testing {

inline const std::filesystem::path kTranscriptCases =
    std::filesystem::path(ZLX_SOURCE_DIR) / "tests/scriptmode/cases";

inline std::vector<std::string> transcriptCaseNames() {
    std::vector<std::string> names;
    if (std::filesystem::exists(kTranscriptCases))
        for (const auto& entry : std::filesystem::directory_iterator(kTranscriptCases))
            if (entry.path().extension() == ".script")
                names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline launcher::LaunchOptions caseOptions(const std::string& script) {
    launcher::LaunchOptions options;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line) && line.rfind("#", 0) == 0;) {
        if (line.rfind("# scenario: ", 0) == 0)
            options.scenarioPath =
                (std::filesystem::path(ZLX_SOURCE_DIR) / line.substr(12)).string();
        if (line.rfind("# args: ", 0) == 0) {
            std::istringstream args(line.substr(8));
            for (std::string a; args >> a;) options.systemArguments.push_back(a);
        }
    }
    if (!options.scenarioPath) options.scenarioPath = builtInMachineScenario();
    return options;
}

}  // namespace zlx::testing
