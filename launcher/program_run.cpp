#include "launcher/program_run.h"

namespace zlx::launcher {

std::unique_ptr<platform::ManualClock> manualClockFor(const RunMachine& machine) {
    if (machine.real()) return std::make_unique<platform::ManualClock>();
    return std::make_unique<platform::ManualClock>(machine.scenario->machine.localTimeStart,
                                                   machine.scenario->machine.timeZoneOffsetMinutes);
}

std::unique_ptr<ProgramRun> ProgramRun::make(const LaunchOptions& options, const RunRecipe& recipe,
                                             ui::DesktopServices& services, std::ostream& err) {
    auto machine = chooseMachine(options, err);
    if (!machine) return nullptr;
    std::unique_ptr<ProgramRun> run(new ProgramRun);
    run->machine_ = std::move(*machine);
    std::string scope;
    if (recipe.scope == RunScope::Shared) {
        auto shared = sharedInstanceScope(err);
        if (!shared) return nullptr;
        scope = std::move(*shared);
    } else {
        run->scriptedScope_.emplace();
        if (!run->scriptedScope_->usable(err)) return nullptr;
        scope = run->scriptedScope_->path();
    }
    const bool manual = recipe.clock == RunClock::Manual ||
                        (recipe.clock == RunClock::OfTheMachine && !run->machine_.real());
    if (manual) {
        auto clock = manualClockFor(run->machine_);
        run->manual_ = clock.get();
        run->clock_ = std::move(clock);
    } else {
        run->clock_ = std::make_unique<platform::RealClock>();
    }
    run->program_ = std::make_unique<Program>(run->machine_, *run->clock_, services, scope,
                                              processHandleBase(), recipe.recording);
    return run;
}

ProgramRun::~ProgramRun() = default;

}  // namespace zlx::launcher
