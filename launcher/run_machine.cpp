#include "launcher/run_machine.h"

#include "launcher/run_parts.h"

namespace zlx::launcher {

bool hasRealMachine() {
#ifdef _WIN32
    return true;
#else
    return false;
#endif
}

bool diagnosesRealMachine(const LaunchOptions& options) {
    return hasRealMachine() && !options.scenarioPath;
}

std::optional<RunMachine> chooseMachine(const LaunchOptions& options, std::ostream& err) {
    if (diagnosesRealMachine(options)) return RunMachine{};
    auto scenario = loadScenario(options, err);
    if (!scenario) return std::nullopt;
    return RunMachine(std::move(*scenario));
}

}  // namespace zlx::launcher
