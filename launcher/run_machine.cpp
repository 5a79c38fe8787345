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

std::optional<RunMachine> chooseMachine(const LaunchOptions& options, std::ostream& err) {
    if (hasRealMachine() && !options.scenarioPath) return RunMachine{};
    auto scenario = loadScenario(options, err);
    if (!scenario) return std::nullopt;
    return RunMachine(std::move(*scenario));
}

}  // namespace zlx::launcher
