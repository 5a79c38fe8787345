#pragma once
// The built-in machine, as a test names it. On Linux a run without --scenario takes the built-in
// machine; on Windows it diagnoses the machine it runs on, so there a test names
// scenarios/default.json, from which the built-in machine is made.

#include <optional>
#include <string>
#include <vector>

namespace zlx::testing {

inline std::optional<std::string> builtInMachineScenario() {
#ifdef _WIN32
    return std::string(ZLX_SOURCE_DIR) + "/scenarios/default.json";
#else
    return std::nullopt;
#endif
}

// `arguments` of a run on the built-in machine.
inline std::vector<std::string> onBuiltInMachine(std::vector<std::string> arguments) {
    if (auto scenario = builtInMachineScenario())
        arguments.insert(arguments.end(), {"--scenario", *scenario});
    return arguments;
}

}  // namespace zlx::testing
