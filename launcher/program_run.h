#pragma once
// The one recipe for a run of the program: the machine it diagnoses, the folder of its kernel
// objects, its clock, and the program on the desktop services the front end brings. Every mode
// and every front end makes its run here; what it draws and how it loops stay its own.

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "launcher/options.h"
#include "launcher/program.h"
#include "launcher/run_machine.h"
#include "launcher/run_parts.h"
#include "platform/clock.h"
#include "sim/sim_machine.h"
#include "ui/desktop.h"

namespace zlx::launcher {

enum class RunClock {
    // The real clock on the real machine; the simulated machine's own manual clock otherwise.
    OfTheMachine,
    Real,
    Manual,
};

enum class RunScope {
    // The run's own process, unless ZLXDIAG_INSTANCE_DIR names a scope (scriptedInstanceScope).
    Scripted,
    // The folder that every copy of the interactive program shares.
    Shared,
};

struct RunRecipe {
    RunClock clock = RunClock::OfTheMachine;
    RunScope scope = RunScope::Scripted;
    sim::CallRecording recording = sim::CallRecording::Off;
};

class ProgramRun {
  public:
    // Null, with the reason on `err`, when the machine or the instance scope cannot be used.
    // `services` outlives the run.
    static std::unique_ptr<ProgramRun> make(const LaunchOptions& options, const RunRecipe& recipe,
                                            ui::DesktopServices& services, std::ostream& err);
    ~ProgramRun();

    Program& program() { return *program_; }
    platform::Clock& clock() { return *clock_; }
    // The manual clock; null when the run keeps real time.
    platform::ManualClock* manualClock() { return manual_; }

  private:
    ProgramRun() = default;

    RunMachine machine_;
    std::unique_ptr<platform::Clock> clock_;
    platform::ManualClock* manual_ = nullptr;
    std::unique_ptr<Program> program_;
};

}  // namespace zlx::launcher
