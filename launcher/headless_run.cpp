#include "launcher/headless_run.h"

#include "launcher/simulated_program.h"
#include "platform/posix/instance_dir.h"
#include "scriptmode/script_runner.h"
#include "ui/headless.h"

namespace zlx::launcher {

std::optional<platform::sim::Scenario> loadScenario(const LaunchOptions& options,
                                                    std::ostream& err) {
    try {
        return options.scenarioPath ? platform::sim::loadScenarioFile(*options.scenarioPath)
                                    : platform::sim::loadDefaultScenario();
    } catch (const platform::sim::ScenarioError& e) {
        err << "zlxdiag: " << e.what() << "\n";
        return std::nullopt;
    }
}

std::optional<std::vector<scriptmode::Command>> loadScript(const std::string& scriptText,
                                                           std::ostream& err) {
    try {
        return scriptmode::parseScript(scriptText);
    } catch (const scriptmode::ScriptError& e) {
        err << "zlxdiag: " << e.what() << "\n";
        return std::nullopt;
    }
}

std::optional<std::string> instanceFolder(std::ostream& err) {
    try {
        return platform::posix::instanceDirectory();
    } catch (const platform::posix::InstanceError& e) {
        err << "zlxdiag: " << e.what() << "\n";
        return std::nullopt;
    }
}

int runProgram(SimulatedProgram& program, const std::vector<std::string>& systemArguments,
               std::ostream& err) {
    try {
        return program.run(systemArguments);
    } catch (const platform::posix::InstanceError& e) {
        err << "zlxdiag: " << e.what() << "\n";
        return 1;
    }
}

int runHeadless(const LaunchOptions& options, const std::string& scriptText, std::ostream& out,
                std::ostream& err) {
    auto scenario = loadScenario(options, err);
    if (!scenario) return 1;
    auto commands = loadScript(scriptText, err);
    if (!commands) return 2;
    auto folder = instanceFolder(err);
    if (!folder) return 1;

    platform::ManualClock clock(scenario->machine.localTimeStart);
    ui::HeadlessServices services;
    SimulatedProgram program(*scenario, clock, services, *folder, processHandleBase());
    ui::HeadlessDriver driver(program.desktop(), clock);
    scriptmode::ScriptHooks hooks = program.scriptHooks();
    scriptmode::ScriptRunner runner(std::move(*commands), program.desktop(), driver, services,
                                    std::move(hooks), out);
    driver.setInput(&runner);
    return runScripted(program, options.systemArguments, out, err);
}

int runScripted(SimulatedProgram& program, const std::vector<std::string>& systemArguments,
                std::ostream& out, std::ostream& err) {
    try {
        return runProgram(program, systemArguments, err);
    } catch (const scriptmode::ScriptError& e) {
        out.flush();
        err << "zlxdiag: " << e.what() << "\n";
        return 2;
    }
}

}  // namespace zlx::launcher
