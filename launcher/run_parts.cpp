#include "launcher/run_parts.h"

#include <cstdlib>

#include "launcher/checked_output.h"
#include "launcher/exit_status.h"
#include "launcher/program.h"
#include "scriptmode/script_runner.h"

namespace zlx::launcher {

std::optional<sim::Scenario> loadScenario(const LaunchOptions& options, std::ostream& err) {
    try {
        return options.scenarioPath ? sim::loadScenarioFile(*options.scenarioPath)
                                    : sim::loadDefaultScenario();
    } catch (const sim::ScenarioError& e) {
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

std::optional<std::string> sharedInstanceScope(std::ostream& err) {
    try {
        return platform::host::sharedInstanceScope();
    } catch (const platform::host::InstanceError& e) {
        err << "zlxdiag: " << e.what() << "\n";
        return std::nullopt;
    }
}

std::optional<InstanceScope> scriptedInstanceScope(std::ostream& err) {
    const char* explicitDir = std::getenv("ZLXDIAG_INSTANCE_DIR");
    if (!explicitDir || !*explicitDir) return InstanceScope::ownProcess();
    auto shared = sharedInstanceScope(err);
    if (!shared) return std::nullopt;
    return InstanceScope::shared(std::move(*shared));
}

int runProgram(Program& program, const std::vector<std::string>& systemArguments,
               std::ostream& err) {
    try {
        return program.run(systemArguments);
    } catch (const platform::host::InstanceError& e) {
        err << "zlxdiag: " << e.what() << "\n";
        return kExitCouldNotRun;
    }
}

namespace {

int runScriptedProgram(Program& program, const scriptmode::ScriptRunner& runner,
                       const std::vector<std::string>& systemArguments, std::ostream& out,
                       std::ostream& err, const platform::TerminationSignals* terminations) {
    int status = 0;
    try {
        status = runProgram(program, systemArguments, err);
    } catch (const scriptmode::ScriptError& e) {
        out.flush();
        err << "zlxdiag: " << e.what() << "\n";
        return kExitCouldNotRun;
    }
    // A run that never asked for input is a second copy that handed over to the first: silent,
    // as the interactive program is. A run that ended part-way through the script leaves
    // commands that the user expected to run.
    // A run a signal ended left its commands for that reason, said by its exit status.
    if (terminations && terminations->received()) return terminations->exitStatus(status);
    std::size_t unrun = runner.unrunCount();
    if (unrun != 0 && unrun != runner.commandCount()) {
        out.flush();
        err << "zlxdiag: script line " << runner.firstUnrunLine()
            << ": the program ended before this command; " << unrun
            << (unrun == 1 ? " command was" : " commands were") << " not run\n";
        return kExitCouldNotRun;
    }
    return status;
}

}  // namespace

int runScripted(Program& program, const scriptmode::ScriptRunner& runner,
                const std::vector<std::string>& systemArguments, std::ostream& out,
                std::ostream& err, const platform::TerminationSignals* terminations) {
    int status = runScriptedProgram(program, runner, systemArguments, out, err, terminations);
    // A request that came while a reader kept the transcript waiting ended the write; the exit
    // status says why the transcript stops there.
    out.flush();
    if (terminations && terminations->received()) return terminations->exitStatus(status);
    // A transcript that never arrived is no record of the run.
    if (!writeChecked(out, {}, err, "the transcript")) return kExitCouldNotRun;
    return status;
}

}  // namespace zlx::launcher
